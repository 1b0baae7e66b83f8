# Native build: the portable core with sanitizers, its unit tests, benchmarks and fuzz targets.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)

set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(halvorn_core PRIVATE ${sanitize})

add_executable(halvorn_unit_tests
  tests/unit/Text_Helpers_Test.cpp
  tests/unit/Element_Build_Test.cpp
  tests/unit/Element_Data_Test.cpp
  tests/unit/Table_Layout_Test.cpp)
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
