# The window in each colour scheme, for the README's screenshots.
add_executable(scheme_shot tests/screens/scheme_shot.cpp)
target_link_libraries(scheme_shot PRIVATE quorbel_windows)
