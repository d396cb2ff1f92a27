# What a build for 64-bit Windows with Debian's mingw-w64 takes from this
# machine (scripts/test-windows.sh configures it with
# cmake/toolchain-mingw64.cmake and a Qt kit for Windows): GoogleTest compiled
# from Debian's sources, and the header-only JSON library seen through one
# folder, as the cross compiler must not search all of /usr/include.
# The test programs run under wine, which sees this machine's file system as
# drive Z:, so paths compiled into them carry that drive.

set(KINSKETCH_WINE_DRIVE "Z:")

if(KINSKETCH_BUILD_TESTS)
  set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(library gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${library})
      add_library(GTest::${library} ALIAS ${library})
    endif()
  endforeach()
  set(GTest_FOUND TRUE)
endif()

set(NLOHMANN_JSON_SOURCE /usr/include/nlohmann CACHE PATH "nlohmann-json headers")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/third_party)
file(CREATE_LINK ${NLOHMANN_JSON_SOURCE} ${CMAKE_BINARY_DIR}/third_party/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party)
