# The program, static so it needs only the DLLs that Windows ships.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:MinSizeRel,Release>:-s>)

# One archive with the portable code too: the handlers call the window and
# host operations and those call the handlers, which one archive resolves.
add_library(quorbel_windows STATIC ${PORTABLE_SOURCES} ${WINDOWS_SOURCES})
target_include_directories(quorbel_windows PUBLIC src)
target_compile_definitions(quorbel_windows PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(quorbel_windows PUBLIC ole32 user32 gdi32)

add_executable(quorbel-ip WIN32 src/app/main.cpp src/app/quorbel-ip.rc)
target_link_libraries(quorbel-ip PRIVATE quorbel_windows)

if(QUORBEL_WINDOWS_TESTS)
  include(cmake/wine-tests.cmake)
  include(cmake/screens.cmake)
endif()
include(cmake/bench.cmake)
