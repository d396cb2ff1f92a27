#!/usr/bin/env bash
# Runs an end-to-end script on a virtual screen of its own. The display number search starts at a random place, so
# that test runs of several programs on one machine do not race for the same display; the server never resets, so a
# program started right after another one ended still finds it. A test may ask for another screen than 1600×1200 in
# KINSKETCH_E2E_SCREEN.
exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${KINSKETCH_E2E_SCREEN:-1600x1200}x24 -noreset" bash "$@"
