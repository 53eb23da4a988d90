# Native (Linux) build: the core's tests, the command-line tool, benchmarks
# and fuzzers.
if(QORN_TESTS)
    enable_testing()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    qorn_glob(QORN_CORE_TESTS tests ${QORN_CORE_DIRS} support)
    add_executable(core_tests ${QORN_CORE_TESTS})
    target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(core_tests PRIVATE qorn_core GTest::gtest GTest::gmock GTest::gtest_main)
    qorn_own_code(core_tests)
    gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

    # The skin generator draws the same bytes on every run: 67 images in each
    # of its three sets.
    set(skin_out ${CMAKE_BINARY_DIR}/skingen-check)
    set(skin_gen "/usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/skingen/skingen.py")
    add_test(NAME SkinGenerator.DrawsTheSameBytesEveryRun
             COMMAND sh -c "rm -rf '${skin_out}' && ${skin_gen} '${skin_out}/a' '${skin_out}/a.ico' && ${skin_gen} '${skin_out}/b' '${skin_out}/b.ico' && diff -r '${skin_out}/a' '${skin_out}/b' && cmp '${skin_out}/a.ico' '${skin_out}/b.ico' && test $(find '${skin_out}/a' -type f | wc -l) -eq 201")
endif()

qorn_language_files()

qorn_add_tools()

if(QORN_BENCH)
    find_package(benchmark REQUIRED)
    file(GLOB QORN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    foreach(src IN LISTS QORN_BENCH_SOURCES)
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
        target_link_libraries(${name} PRIVATE qorn_core benchmark::benchmark benchmark::benchmark_main)
        qorn_own_code(${name})
    endforeach()
endif()

# libFuzzer harnesses (clang; see ./fuzz): one per data file kind, and the
# program that writes their seed files.
if(QORN_FUZZ)
    file(GLOB QORN_FUZZ_HARNESSES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/Fuzz*.cpp)
    foreach(src IN LISTS QORN_FUZZ_HARNESSES)
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE qorn_core)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        qorn_own_code(${name})
    endforeach()
    add_executable(MakeFuzzSeeds ${CMAKE_SOURCE_DIR}/tests/fuzz/MakeFuzzSeeds.cpp)
    target_link_libraries(MakeFuzzSeeds PRIVATE qorn_core)
    qorn_own_code(MakeFuzzSeeds)
endif()
