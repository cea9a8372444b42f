# Windows-side tests, cross-built with GoogleTest from the Debian source and
# run under Wine by the emulator wrapper. A fixture brings the Wine session
# (prefix, Xvfb, wineserver) up before them and down after them.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(WINE_SESSION ${CMAKE_SOURCE_DIR}/scripts/wine-session)
add_test(NAME wine_up COMMAND ${WINE_SESSION} up)
add_test(NAME wine_down COMMAND ${WINE_SESSION} down)
set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine)

function(add_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quorbel_windows gtest gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
endfunction()

file(GLOB WIN_TESTS CONFIGURE_DEPENDS tests/win/*_test.cpp)
add_wine_test(win_tests ${WIN_TESTS})
target_link_libraries(win_tests PRIVATE iphlpapi)
target_include_directories(win_tests PRIVATE tests)

add_executable(wintool tests/e2e/wintool.cpp)

# A small program that the host tests start, copy and question.
add_executable(host_probe tests/win/helpers/host_probe.cpp)
target_link_libraries(host_probe PRIVATE quorbel_windows)
add_dependencies(win_tests host_probe)
# The message-box tests show windows on the one desktop.
set_tests_properties(win_tests PROPERTIES RESOURCE_LOCK desktop)

# End-to-end tests: they start the built program and drive it from outside
# with real mouse and keyboard input, so they take the one desktop for
# themselves. The program is found beside the test executable.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS tests/e2e/*_test.cpp)
add_executable(e2e_tests tests/e2e/driver.cpp ${E2E_TESTS})
target_compile_definitions(e2e_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(e2e_tests PRIVATE gtest gtest_main user32)
add_dependencies(e2e_tests quorbel-ip)
add_test(NAME e2e_tests COMMAND e2e_tests)
set_tests_properties(e2e_tests PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK desktop TIMEOUT 600)

# Stand-ins for what the program starts, and the support of the feature
# tests: a recorder for the script host, the browser and netsh, and a test
# ipconfig that prints a stored report.
add_executable(recorder WIN32 tests/e2e/helpers/recorder.cpp)
target_include_directories(recorder PRIVATE tests)
add_executable(fake_ipconfig tests/e2e/helpers/fake_ipconfig.cpp)
target_sources(e2e_tests PRIVATE tests/e2e/typing.cpp tests/e2e/recording.cpp
                                 tests/e2e/tool_test.cpp tests/e2e/display_pointer.cpp)
target_compile_definitions(e2e_tests
                           PRIVATE QUORBEL_E2E_REPORTS="Z:${CMAKE_SOURCE_DIR}/tests/fixtures/reports")
target_link_libraries(e2e_tests PRIVATE iphlpapi advapi32)
target_include_directories(e2e_tests PRIVATE tests)
add_dependencies(e2e_tests recorder fake_ipconfig)
