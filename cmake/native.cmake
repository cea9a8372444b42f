# Unit tests of the portable code, with the machine's compiler.
find_package(GTest REQUIRED)
file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*_test.cpp)
add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE quorbel_portable GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(native_tests)
