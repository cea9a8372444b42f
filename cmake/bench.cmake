# Benchmarks, run by scripts/bench. Under Wine (win64): the timing program
# and the one-window program it compares the start-up with; the stand-in for
# ipconfig is the one of the end-to-end tests. Natively: the parser benchmark, when Google Benchmark is there.
if(WIN32)
  if(QUORBEL_WINDOWS_TESTS)
    set(BENCH_DEFINITIONS WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    # Built as quorbel-ip is: same toolchain, flags and static linking.
    add_executable(minimal_window WIN32 tests/bench/minimal_window.cpp)
    add_executable(start_timer tests/bench/start_timer.cpp tests/bench/selection_timer.cpp
                               tests/bench/timing.cpp tests/e2e/driver.cpp)
    target_include_directories(start_timer PRIVATE tests/e2e tests)
    # The batch it times alone is the one the program writes.
    target_link_libraries(start_timer PRIVATE quorbel_windows user32 psapi)
    foreach(target minimal_window start_timer)
      target_compile_definitions(${target} PRIVATE ${BENCH_DEFINITIONS})
    endforeach()
  endif()
else()
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    # Optimised and without the sanitizers of this preset: the figures are of
    # the code as it ships, with the same fakes as the unit tests.
    get_directory_property(bench_compile COMPILE_OPTIONS)
    get_directory_property(bench_link LINK_OPTIONS)
    list(FILTER bench_compile EXCLUDE REGEX "sanitize|omit-frame-pointer")
    list(FILTER bench_link EXCLUDE REGEX "sanitize")
    add_library(quorbel_bench_portable STATIC ${PORTABLE_SOURCES})
    target_include_directories(quorbel_bench_portable PUBLIC src)
    add_executable(bench_parser tests/bench/parser_bench.cpp tests/native/fakes.cpp)
    target_include_directories(bench_parser PRIVATE tests/native)
    target_link_libraries(bench_parser PRIVATE quorbel_bench_portable benchmark::benchmark)
    target_compile_definitions(bench_parser PRIVATE
      QUORBEL_REPORT_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures/reports")
    foreach(target quorbel_bench_portable bench_parser)
      set_target_properties(${target} PROPERTIES
        COMPILE_OPTIONS "${bench_compile};-O2" LINK_OPTIONS "${bench_link}")
      target_compile_definitions(${target} PRIVATE NDEBUG)
    endforeach()
  endif()
endif()
