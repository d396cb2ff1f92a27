# Every build switch of the project lives here.
include(CMakeDependentOption)
include(FeatureSummary)

option(KINSKETCH_BUILD_GUI "Build the Qt programs (kinsketch, kinsketch-render, the stand-in launcher)" ON)
option(KINSKETCH_BUILD_LAUNCHER "Build the launcher ovnqtverup" ON)
option(KINSKETCH_BUILD_TESTS "Build the GoogleTest suites" ON)
option(KINSKETCH_BUILD_BENCH "Build the Google Benchmark programs" ON)
option(KINSKETCH_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KINSKETCH_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(KINSKETCH_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (CI)" OFF)

add_feature_info(GUI KINSKETCH_BUILD_GUI "Qt programs")
add_feature_info(Launcher KINSKETCH_BUILD_LAUNCHER "the launcher ovnqtverup")
add_feature_info(Tests KINSKETCH_BUILD_TESTS "GoogleTest suites")
add_feature_info(Benchmarks KINSKETCH_BUILD_BENCH "Google Benchmark programs")
add_feature_info(Sanitizers KINSKETCH_SANITIZE "ASan + UBSan")
add_feature_info(Fuzzing KINSKETCH_FUZZ "libFuzzer targets")
add_feature_info(Werror KINSKETCH_WARNINGS_AS_ERRORS "warnings are errors")

# Applied per target so that third-party code stays out of it; the code moc
# generates for a target is compiled without warnings, since we cannot mend it.
function(kinsketch_set_warnings target)
  get_target_property(automoc ${target} AUTOMOC)
  if(automoc)
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties("${binary_dir}/${target}_autogen/mocs_compilation.cpp"
      TARGET_DIRECTORY ${target} PROPERTIES COMPILE_OPTIONS "$<IF:$<CXX_COMPILER_ID:MSVC>,/w,-w>")
  endif()
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
    if(KINSKETCH_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    # GCC 12 reports std::string assignments inlined at -O2 as overlapping
    # copies (-Wrestrict); the warning is its own false positive there.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
      $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>
      $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
    if(KINSKETCH_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

if(KINSKETCH_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# The fuzz build instruments every library, not only the harnesses: libFuzzer is
# then guided by the decoders' own branches and the sanitizers check them. A
# UBSan finding aborts, so that the fuzzer keeps the input. The harnesses add
# -fsanitize=fuzzer at link time for libFuzzer's main.
if(KINSKETCH_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KINSKETCH_FUZZ needs clang: libFuzzer comes with it")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
