# The launcher's portable tests, built both by tests/launcher for this machine
# and by tests/launcher/windows for Windows: a new test file is listed here once.
set(launcher_test_sources ${CMAKE_CURRENT_LIST_DIR}/launcher_test.cpp)
