# The launcher's portable tests, built both by tests/launcher for this machine
# and by tests/launcher/windows for Windows: a new test file is listed here once.
set(launcher_test_sources
  fake_platform.cpp
  access_loader_test.cpp
  access_locator_test.cpp
  launcher_test.cpp
  profile_string_test.cpp
  reg_file_test.cpp
  settings_routines_test.cpp
)
list(TRANSFORM launcher_test_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
