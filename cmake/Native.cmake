# Native build: the portable core with sanitizers, its unit tests, benchmarks and fuzz targets.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)

set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(halvorn_core PRIVATE ${sanitize})

add_executable(halvorn_unit_tests ${unit_test_sources})
# std::regex trips a false maybe-uninitialized warning in GCC 12.
target_compile_options(halvorn_unit_tests PRIVATE ${sanitize} -Wno-maybe-uninitialized)
target_link_options(halvorn_unit_tests PRIVATE ${sanitize})
target_link_libraries(halvorn_unit_tests PRIVATE halvorn_core GTest::gtest_main)
gtest_discover_tests(halvorn_unit_tests DISCOVERY_TIMEOUT 60)

# Benchmarks use an unsanitised copy of the core.
add_library(halvorn_core_bench STATIC $<TARGET_PROPERTY:halvorn_core,SOURCES>)
target_include_directories(halvorn_core_bench PUBLIC "${CMAKE_SOURCE_DIR}")
target_compile_options(halvorn_core_bench PRIVATE -O2)
add_executable(halvorn_benchmarks bench/Core_Benchmarks.cpp)
target_link_libraries(halvorn_benchmarks PRIVATE halvorn_core_bench benchmark::benchmark)

# Fuzz targets, built with clang's libFuzzer beside the g++ build and run for a bounded
# time by ctest. Each run starts from the small corpus under fuzz/corpus.
find_program(CLANGXX clang++)
if(CLANGXX)
  get_target_property(core_sources halvorn_core SOURCES)
  set(core_paths "")
  foreach(source IN LISTS core_sources)
    if(IS_ABSOLUTE "${source}")
      list(APPEND core_paths "${source}")
    else()
      list(APPEND core_paths "${CMAKE_SOURCE_DIR}/${source}")
    endif()
  endforeach()
  foreach(target Chemical_Formula Element_Build Text_Helpers)
    set(fuzzer "${CMAKE_BINARY_DIR}/fuzz_${target}")
    add_custom_command(
      OUTPUT "${fuzzer}"
      COMMAND ${CLANGXX} -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I${CMAKE_SOURCE_DIR}
              ${CMAKE_SOURCE_DIR}/fuzz/Fuzz_${target}.cpp ${core_paths} -o ${fuzzer}
      DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/Fuzz_${target}.cpp ${core_paths}
      COMMENT "Building fuzz target ${target}")
    add_custom_target(fuzz_${target}_build ALL DEPENDS "${fuzzer}")
    string(TOLOWER "${target}" corpus)
    # New inputs go to a corpus in the build tree; the shipped one is only read.
    set(found "${CMAKE_BINARY_DIR}/fuzz-corpus/${corpus}")
    file(MAKE_DIRECTORY "${found}")
    add_test(NAME fuzz_${target}
             COMMAND ${fuzzer} -max_total_time=8 -timeout=5 -rss_limit_mb=1024
                     ${found} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${corpus})
  endforeach()
endif()
