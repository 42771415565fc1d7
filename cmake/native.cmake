# Native build: the pure core under sanitizers, the command-line month tool
# and the core benchmark.
set(PELMO_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

if(CORE_TEST_SOURCES)
add_executable(core_tests ${CORE_SOURCES} ${CORE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(core_tests PRIVATE ${PELMO_SANITIZE})
target_link_options(core_tests PRIVATE ${PELMO_SANITIZE})
target_link_libraries(core_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(core_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/pelmo_cal.cpp)
    add_executable(pelmo-cal ${CMAKE_SOURCE_DIR}/tools/pelmo_cal.cpp
        ${CMAKE_SOURCE_DIR}/tools/pelmo_cal_holidays.cpp)
    target_link_libraries(pelmo-cal PRIVATE pelmo_core)
    add_test(NAME native.pelmo-cal COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/pelmo_cal_test.sh $<TARGET_FILE:pelmo-cal>)
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND AND EXISTS ${CMAKE_SOURCE_DIR}/bench/bench_core.cpp)
    add_executable(bench_core ${CMAKE_SOURCE_DIR}/bench/bench_core.cpp)
    target_link_libraries(bench_core PRIVATE pelmo_core benchmark::benchmark)
endif()
