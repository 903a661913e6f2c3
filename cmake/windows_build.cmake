# Windows build: the two programs, the stand-ins for the title's own programs, and the tests that
# run under Wine through the rig (tools/winerig) as the cross-compiling emulator.
if(NOT GENERATED_DIR)
  message(FATAL_ERROR "GENERATED_DIR must name the host build's generated resources")
endif()
set(DIST_DIR ${CMAKE_SOURCE_DIR}/dist CACHE PATH "Where the built programs and the disc go")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# No link time in the headers: two builds of one commit give the same programs, byte for byte.
add_link_options(-Wl,--no-insert-timestamp)

# The programs are read from a CD-ROM before their first window, so they are built small: for size,
# each function in a section of its own so that the link drops what nothing calls, no compiler
# banner, symbols stripped. Not -fdata-sections: for PE it moves zero-filled data into the file.
# Nothing unwinds through code without exceptions, so the 32-bit programs carry no unwind tables;
# 64-bit Windows walks stacks with its own, so those stay. tools/disc/check_size holds the result.
set(PROGRAM_FLAGS -fno-exceptions -fno-rtti -Os -ffunction-sections -fno-ident)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  list(APPEND PROGRAM_FLAGS -fno-asynchronous-unwind-tables)
endif()
set(PROGRAM_LINK -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections)
set(SYSTEM_LIBS user32 gdi32 advapi32 shell32 winmm version kernel32)
add_compile_definitions(WINVER=0x0500 _WIN32_WINNT=0x0500 _WIN32_IE=0x0500 NOMINMAX)

win32_sources(COMMON_WIN32_SOURCES common)
win32_sources(LAUNCHER_WIN32_SOURCES ${LAUNCHER_DIRS})
win32_sources(UNINSTALLER_WIN32_SOURCES ${UNINSTALLER_DIRS})

add_library(common_lib STATIC ${COMMON_CORE_SOURCES} ${COMMON_WIN32_SOURCES})
add_library(launcher_lib STATIC ${LAUNCHER_CORE_SOURCES} ${LAUNCHER_WIN32_SOURCES})
target_link_libraries(launcher_lib PUBLIC common_lib ${SYSTEM_LIBS})
foreach(lib common_lib launcher_lib)
  target_compile_options(${lib} PRIVATE ${PROJECT_WARNINGS} ${PROGRAM_FLAGS})
endforeach()
if(UNINSTALLER_CORE_SOURCES OR UNINSTALLER_WIN32_SOURCES)
  add_library(uninstaller_lib STATIC ${UNINSTALLER_CORE_SOURCES} ${UNINSTALLER_WIN32_SOURCES})
  target_compile_options(uninstaller_lib PRIVATE ${PROJECT_WARNINGS} ${PROGRAM_FLAGS})
  target_link_libraries(uninstaller_lib PUBLIC common_lib ${SYSTEM_LIBS})
else()
  add_library(uninstaller_lib INTERFACE)
  target_link_libraries(uninstaller_lib INTERFACE common_lib ${SYSTEM_LIBS})
endif()

function(add_gui_program target output)
  add_executable(${target} WIN32 ${ARGN})
  target_compile_options(${target} PRIVATE ${PROJECT_WARNINGS} ${PROGRAM_FLAGS})
  # The link map says which library object put which bytes in (bench/size_table reads it).
  target_link_options(${target} PRIVATE ${PROGRAM_LINK} -Wl,-Map=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${output}.map)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output} SUFFIX ".EXE")
  target_include_directories(${target} PRIVATE ${GENERATED_DIR})
endfunction()

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${GENERATED_DIR} -I${CMAKE_SOURCE_DIR}/launcher/resources -I${CMAKE_SOURCE_DIR}/uninstaller/resources -I${CMAKE_SOURCE_DIR}/common/resources")

set(PROGRAM_MANIFEST ${CMAKE_SOURCE_DIR}/common/resources/program.manifest)
set_source_files_properties(launcher/resources/launcher.rc PROPERTIES OBJECT_DEPENDS
  "${GENERATED_DIR}/picture.bmp;${GENERATED_DIR}/progress.bmp;${GENERATED_DIR}/launcher.ico;${PROGRAM_MANIFEST};${CMAKE_SOURCE_DIR}/launcher/resources/launcher_german.rc")
set_source_files_properties(uninstaller/resources/uninstaller.rc PROPERTIES OBJECT_DEPENDS
  "${GENERATED_DIR}/uninstaller.ico;${GENERATED_DIR}/template.pif;${PROGRAM_MANIFEST};${CMAKE_SOURCE_DIR}/uninstaller/resources/uninstaller_german.rc")
add_gui_program(rbrindmor RBRINDMOR launcher/app/entry_win32.cpp launcher/resources/launcher.rc)
target_link_libraries(rbrindmor PRIVATE launcher_lib)
add_gui_program(brinddel BRINDDEL uninstaller/entry_win32.cpp uninstaller/resources/uninstaller.rc)
target_link_libraries(brinddel PRIVATE uninstaller_lib)

# The disc sold in both markets (scripts/build lays it out from de-en/): the launcher and the
# uninstaller follow the Windows language setting between their English and German blocks. Same
# sources; DISC_DE_EN adds the German resources.
function(add_two_language_programs)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/de-en)
  add_gui_program(rbrindmor_de_en RBRINDMOR launcher/app/entry_win32.cpp launcher/resources/launcher.rc)
  target_link_libraries(rbrindmor_de_en PRIVATE launcher_lib)
  add_gui_program(brinddel_de BRINDDEL uninstaller/entry_win32.cpp uninstaller/resources/uninstaller.rc)
  target_link_libraries(brinddel_de PRIVATE uninstaller_lib)
  foreach(target rbrindmor_de_en brinddel_de)
    target_compile_definitions(${target} PRIVATE DISC_DE_EN)
  endforeach()
endfunction()
add_two_language_programs()

# Stand-ins for the parts of the title that are not ours, and test doubles: one folder each.
file(GLOB STANDIN_DIRS CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/standins/*)
foreach(dir ${STANDIN_DIRS})
  if(EXISTS ${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()

include(cmake/wine_tests.cmake)
add_subdirectory(tools/tour)
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()
