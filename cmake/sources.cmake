# Source sets by layer: files ending in _win32.cpp are the Win32 shell; the rest is the portable core.
set(PROJECT_WARNINGS -Wall -Wextra -Werror)

function(portable_sources out)
  set(all)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND all ${found})
  endforeach()
  list(FILTER all EXCLUDE REGEX "_win32\\.cpp$")
  set(${out} ${all} PARENT_SCOPE)
endfunction()

function(win32_sources out)
  set(all)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*_win32.cpp)
    list(APPEND all ${found})
  endforeach()
  list(FILTER all EXCLUDE REGEX "/entry_win32\\.cpp$") # the programs' entries, not their libraries
  set(${out} ${all} PARENT_SCOPE)
endfunction()

set(LAUNCHER_DIRS launcher/app launcher/setup launcher/syscheck launcher/ui launcher/core)
set(UNINSTALLER_DIRS uninstaller)

portable_sources(COMMON_CORE_SOURCES common)
portable_sources(LAUNCHER_CORE_SOURCES ${LAUNCHER_DIRS})
portable_sources(UNINSTALLER_CORE_SOURCES ${UNINSTALLER_DIRS})
