# Portable sources: text rules, parsing, command and script texts, tables.
set(PORTABLE_SOURCES
  src/host/host_rules.cpp
  src/host/line_reader.cpp
  src/reader/capture_state.cpp
)

# Windows sources behind the host header, and the window layer.
set(WINDOWS_SOURCES
  src/host/host_files.cpp
  src/host/host_system.cpp
  src/app/controls.cpp
  src/app/events.cpp
  src/app/keyboard.cpp
  src/app/menu.cpp
  src/app/program.cpp
  src/app/window.cpp
)
