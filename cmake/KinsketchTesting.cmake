# One helper registers every GoogleTest program, so that all of them run on
# Qt's offscreen platform and find their fixtures through a compile definition.
# Widget tests (QT) get a main that owns the application object; OWN_MAIN
# programs bring their own.
# In a build for Windows the programs run under wine (CMAKE_CROSSCOMPILING_EMULATOR),
# each as one test, since listing their tests would need wine at build time;
# paths compiled into them carry wine's drive for this machine's files.
set(KINSKETCH_FIXTURE_DIR "${CMAKE_SOURCE_DIR}/tests/fixtures")
set(KINSKETCH_TEST_PATH_PREFIX "")
if(CMAKE_CROSSCOMPILING AND WIN32)
  set(KINSKETCH_TEST_PATH_PREFIX "Z:")
endif()

function(kinsketch_add_test name)
  cmake_parse_arguments(ARG "QT;OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  elseif(ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE KINSKETCH_FIXTURE_DIR="${KINSKETCH_TEST_PATH_PREFIX}${KINSKETCH_FIXTURE_DIR}")
  kinsketch_set_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
  else()
    gtest_discover_tests(${name}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# The path of a built program as the test programs see it.
function(kinsketch_program_path_for_tests variable target)
  set(${variable} "${KINSKETCH_TEST_PATH_PREFIX}$<TARGET_FILE:${target}>" PARENT_SCOPE)
endfunction()
