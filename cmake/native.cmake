# Native configuration: the portable core and its unit tests against test doubles.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/native/*.cpp ${CMAKE_SOURCE_DIR}/tests/doubles/*.cpp)
add_executable(morvane_native_tests ${NATIVE_TEST_SOURCES})
target_include_directories(morvane_native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(morvane_native_tests PRIVATE ${OUR_WARNINGS})
target_link_libraries(morvane_native_tests PRIVATE morvane_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(morvane_native_tests DISCOVERY_TIMEOUT 60)

file(GLOB_RECURSE BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/benchmarks/native/*.cpp)
foreach(bench ${BENCH_SOURCES})
  get_filename_component(name ${bench} NAME_WE)
  add_executable(${name} ${bench})
  target_compile_options(${name} PRIVATE ${OUR_WARNINGS})
  target_link_libraries(${name} PRIVATE morvane_core)
endforeach()
