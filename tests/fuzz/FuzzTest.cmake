# The settings-file fuzzer needs clang while this build uses g++, so it is made in a
# build of its own, build/fuzz, as one step of this build. A short run of it is the
# test "fuzz_settingsfile": anything it finds fails the test and is kept as a file
# in build/fuzz/artifacts, beside the corpus it has learned in build/fuzz/corpus.
include(ExternalProject)
find_program(VEXLORKIT_CLANGXX clang++ REQUIRED)

set(fuzzBuild ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(settingsfile_fuzzer
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${fuzzBuild}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VEXLORKIT_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLORKIT_FUZZ=ON
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
)

set(VEXLORKIT_FUZZ_SECONDS 60 CACHE STRING "How long the test fuzz_settingsfile fuzzes")
add_test(NAME fuzz_settingsfile
    COMMAND ${fuzzBuild}/fuzz_settingsfile -max_total_time=${VEXLORKIT_FUZZ_SECONDS} -timeout=20
            -print_final_stats=1 -artifact_prefix=${fuzzBuild}/artifacts/
            ${fuzzBuild}/corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus)
set_tests_properties(fuzz_settingsfile PROPERTIES TIMEOUT 600)
# Every input is saved twice, and each save waits for the disk; a scratch file in
# memory lets the minute try several times as many inputs.
if(IS_DIRECTORY /dev/shm)
    set_tests_properties(fuzz_settingsfile PROPERTIES ENVIRONMENT TMPDIR=/dev/shm)
endif()
