# Shared by the scripts that build parts of Kinsketch for Windows and test
# them under wine: the tool check, a throwaway wine prefix and the summary of
# a GoogleTest run. Source it; it defines functions only.

# Fails naming the first missing tool: the cross compiler, wine or its server.
wine_require_tools() {
  local script="$1" tool
  for tool in x86_64-w64-mingw32-g++-posix wine wineserver; do
    if ! command -v "$tool" >/dev/null; then
      echo "$script: $tool is missing (scripts/setup.sh installs it)" >&2
      return 1
    fi
  done
}

# Makes a wine prefix for this run, without network or display, and removes
# it when the calling script exits. The boot log goes to $1/wineboot.log.
wine_prepare_prefix() {
  local logs="$1"
  wine_prefix="$(mktemp -d)"
  export WINEPREFIX="$wine_prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" KINSKETCH_THROWAWAY_PREFIX=1
  trap wine_remove_prefix EXIT
  echo "-- Preparing a wine prefix"
  wine wineboot -i >"$logs/wineboot.log" 2>&1
  # No display is needed: wine's null driver still creates and enumerates
  # windows. It is taken up when the prefix's wine server starts again.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -w
}

wine_remove_prefix() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$wine_prefix"
}

# Runs the GoogleTest program $2 under wine, keeping its output in $3, and
# prints "$1 under wine: N passed, N failed". Fails when any test failed or
# the program did not finish.
wine_run_tests() {
  local name="$1" program="$2" log="$3" status passed ran failed
  set +e
  wine "$program" --gtest_brief=1 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  set -e
  passed="$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log")"
  ran="$(sed -n 's/^\[==========\] \([0-9]*\) tests.*/\1/p' "$log")"
  failed=$(( ${ran:-0} - ${passed:-0} ))
  echo "$name under wine: ${passed:-0} passed, $failed failed"
  if [ "$status" -ne 0 ] || [ -z "$ran" ] || [ "$failed" -ne 0 ]; then
    echo "$name under wine: FAILED (exit status $status)" >&2
    return 1
  fi
}
