# libFuzzer targets, in a configuration of their own built with clang:
#   CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DDUNA_FUZZ=ON
#   cmake --build build-fuzz --target fuzz_all
# A target is tests/fuzz/<name>.cpp (defining LLVMFuzzerTestOneInput), its
# seed corpus is the folder tests/fuzz/<name>/, and one line in
# tests/fuzz/targets.cmake names the layers it needs. Each target is also a
# short CTest run (label "fuzz"), so the targets stay buildable and the seeds
# keep passing; ./duna.sh fuzz SECONDS runs them for longer.
option(DUNA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
set(DUNA_FUZZ_SHORT_SECONDS 5 CACHE STRING "Length of each fuzz target's CTest run")

if(DUNA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "DUNA_FUZZ needs clang: configure with CC=clang-14 CXX=clang++-14")
  endif()
  # Everything is instrumented for coverage and checked by the sanitizers; only
  # the fuzz targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  enable_testing()
  add_custom_target(fuzz_all)

  set(DUNA_FUZZ_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz)
  add_library(duna_fuzzsupport STATIC
    ${DUNA_FUZZ_DIR}/FuzzInput.h
    ${CMAKE_SOURCE_DIR}/tests/support/ScriptedSerialDevice.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/RecordingPrompts.cpp)
  target_include_directories(duna_fuzzsupport PUBLIC
    ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
  target_link_libraries(duna_fuzzsupport PUBLIC duna_platform)
endif()

# duna_fuzz_target(<name> LINK <libraries>): fuzz_<name> from tests/fuzz/<name>.cpp.
function(duna_fuzz_target name)
  if(NOT DUNA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "LINK" ${ARGN})
  add_executable(fuzz_${name} ${DUNA_FUZZ_DIR}/${name}.cpp)
  target_link_libraries(fuzz_${name} PRIVATE duna_fuzzsupport ${F_LINK})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzz_all fuzz_${name})
  # New inputs go to the build folder; the seeds in the tree are only read.
  set(found ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
  file(MAKE_DIRECTORY ${found})
  add_test(NAME fuzz_${name}
    COMMAND fuzz_${name} -max_total_time=${DUNA_FUZZ_SHORT_SECONDS} -timeout=30
            -rss_limit_mb=2048 -print_final_stats=1
            -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-corpus/${name}- ${found}
            ${DUNA_FUZZ_DIR}/${name})
  set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

if(DUNA_FUZZ)
  include(${DUNA_FUZZ_DIR}/targets.cmake)
endif()
