# Every layer is one static library made of all sources in its folder, so a new
# file only needs to be created, never registered.

set(DUNA_QT_LIBS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::SerialPort Qt6::PrintSupport)
set(DUNA_ALL_LAYERS "")
# Window layers whose tests talk to the simulated register in the same process.
set(DUNA_SIM_TESTED_LAYERS editors sync)

function(duna_collect out dir)
  cmake_parse_arguments(C "" "" "EXCLUDE" ${ARGN})
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
    ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  set(kept "")
  foreach(f IN LISTS found)
    get_filename_component(n ${f} NAME)
    if(n IN_LIST C_EXCLUDE)
      continue()
    endif()
    if(WIN32 AND n MATCHES "_unix\\.cpp$")
      continue()
    endif()
    if(NOT WIN32 AND n MATCHES "_win\\.cpp$")
      continue()
    endif()
    list(APPEND kept ${f})
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

function(duna_layer name)
  cmake_parse_arguments(L "" "" "DEPS;EXCLUDE" ${ARGN})
  duna_collect(srcs ${CMAKE_SOURCE_DIR}/src/${name} EXCLUDE ${L_EXCLUDE})
  add_library(duna_${name} STATIC ${srcs} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(duna_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(duna_${name} PUBLIC ${L_DEPS} ${DUNA_QT_LIBS})
  set(DUNA_ALL_LAYERS ${DUNA_ALL_LAYERS} duna_${name} PARENT_SCOPE)
endfunction()

# The simulated register: a library (model and protocol engine) plus the
# duna-sim program in sim/main.cpp. It shares the codec and frame helpers.
function(duna_sim_library)
  duna_collect(srcs ${CMAKE_SOURCE_DIR}/sim EXCLUDE main.cpp)
  add_library(duna_sim STATIC ${srcs} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(duna_sim PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
  target_link_libraries(duna_sim PUBLIC duna_link duna_image ${DUNA_QT_LIBS})
endfunction()

# Pictures, fonts and other files of resources/ go into the program.
function(duna_add_resources target)
  file(GLOB qrcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.qrc)
  if(qrcs)
    target_sources(${target} PRIVATE ${qrcs})
  endif()
endfunction()

# tests/<folder>/*.cpp becomes the test program test_<folder>; tests/support
# holds the shared test main and the test sides of the seams. tests/fuzz holds
# the libFuzzer targets (cmake/DunaFuzz.cmake).
function(duna_tests)
  duna_collect(support ${CMAKE_SOURCE_DIR}/tests/support)
  add_library(duna_testsupport STATIC ${support} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(duna_testsupport PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
  target_link_libraries(duna_testsupport PUBLIC duna_platform GTest::gtest GTest::gmock ${DUNA_QT_LIBS})
  target_compile_definitions(duna_testsupport PUBLIC
    DUNA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    DUNA_SIM_PROGRAM="${CMAKE_BINARY_DIR}/duna-sim"
    DUNA_PROGRAM="$<TARGET_FILE:duna>")

  file(GLOB dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*)
  foreach(d IN LISTS dirs)
    get_filename_component(n ${d} NAME)
    if(NOT IS_DIRECTORY ${d} OR n STREQUAL "support" OR n STREQUAL "data" OR n STREQUAL "fuzz")
      continue()
    endif()
    duna_collect(srcs ${d})
    if(NOT srcs)
      continue()
    endif()
    add_executable(test_${n} ${srcs})
    # A layer's tests link only that layer and what lies below it, so work in
    # progress elsewhere never breaks them; other folders test the whole.
    if(TARGET duna_${n})
      target_link_libraries(test_${n} PRIVATE duna_testsupport duna_${n})
      if(n IN_LIST DUNA_SIM_TESTED_LAYERS)
        target_link_libraries(test_${n} PRIVATE duna_sim)
      endif()
      # The register's tests also drive it with the program's own commands.
      if(n STREQUAL "sim")
        target_link_libraries(test_${n} PRIVATE duna_commands)
      endif()
    else()
      target_link_libraries(test_${n} PRIVATE duna_testsupport duna_shell duna_sim)
      add_dependencies(test_${n} duna-sim duna)
    endif()
    gtest_discover_tests(test_${n}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
  endforeach()
endfunction()

# bench/<name>.cpp becomes bench_<name>; benchmarks are run by hand, not by CTest.
function(duna_benchmarks)
  if(NOT benchmark_FOUND)
    return()
  endif()
  file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  foreach(b IN LISTS benches)
    get_filename_component(n ${b} NAME_WE)
    add_executable(bench_${n} ${b})
    target_link_libraries(bench_${n} PRIVATE duna_shell duna_sim duna_testsupport benchmark::benchmark)
  endforeach()
endfunction()
