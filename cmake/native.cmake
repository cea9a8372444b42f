# The portable code (no Windows headers) and its unit tests, with the
# machine's compiler. The window and host operations come from test fakes.
add_library(quorbel_portable STATIC ${PORTABLE_SOURCES})
target_include_directories(quorbel_portable PUBLIC src)
find_package(GTest REQUIRED)
file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*_test.cpp)
add_executable(native_tests ${NATIVE_TESTS} tests/native/fakes.cpp)
target_link_libraries(native_tests PRIVATE quorbel_portable GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(native_tests)
# Stored ipconfig reports (GBK, CR LF) that the report reader tests read.
target_compile_definitions(native_tests PRIVATE
  QUORBEL_REPORT_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures/reports")
include(cmake/bench.cmake)
