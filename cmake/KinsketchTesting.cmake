# One helper registers every GoogleTest program, so that all of them run on
# Qt's offscreen platform and find their fixtures through a compile definition.
# Widget tests (QT) get a main that owns the application object.
set(KINSKETCH_FIXTURE_DIR "${CMAKE_SOURCE_DIR}/tests/fixtures")

function(kinsketch_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE KINSKETCH_FIXTURE_DIR="${KINSKETCH_FIXTURE_DIR}")
  kinsketch_set_warnings(${name})
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8"
    DISCOVERY_TIMEOUT 60)
endfunction()
