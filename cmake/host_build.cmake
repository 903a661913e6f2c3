# Host build: the portable core under AddressSanitizer and UBSan, its unit tests, and the host tools
# that generate the programs' artwork and templates.
option(SANITIZE "Build the portable core and unit tests with ASan and UBSan" ON)
if(SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(common_core STATIC ${COMMON_CORE_SOURCES})
target_compile_options(common_core PRIVATE ${PROJECT_WARNINGS})
add_library(launcher_core STATIC ${LAUNCHER_CORE_SOURCES})
target_compile_options(launcher_core PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(launcher_core PUBLIC common_core)
if(UNINSTALLER_CORE_SOURCES)
  add_library(uninstaller_core STATIC ${UNINSTALLER_CORE_SOURCES})
  target_compile_options(uninstaller_core PRIVATE ${PROJECT_WARNINGS})
  target_link_libraries(uninstaller_core PUBLIC common_core)
else()
  add_library(uninstaller_core INTERFACE)
endif()

# Generated resources the Windows build embeds.
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${GENERATED_DIR})
foreach(tool artwork pif)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${tool}/CMakeLists.txt)
    add_subdirectory(tools/${tool})
  endif()
endforeach()

find_package(GTest REQUIRED)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_compile_options(unit_tests PRIVATE ${PROJECT_WARNINGS})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR})
# Tests that read the resource scripts the programs are built from.
target_compile_definitions(unit_tests PRIVATE BRINDLE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE launcher_core uninstaller_core common_core GTest::gtest_main)
if(TARGET artwork_lib)
  target_link_libraries(unit_tests PRIVATE artwork_lib)
endif()
if(TARGET pif_lib)
  target_link_libraries(unit_tests PRIVATE pif_lib)
endif()
include(GoogleTest)
# Every test has a time limit, so that a hang (a loop that never ends) fails that test in a minute
# instead of stalling the whole run; each takes well under a second.
gtest_discover_tests(unit_tests TEST_PREFIX "unit." PROPERTIES LABELS unit TIMEOUT 60)

if(TARGET artwork_gen)
  set(ARTWORK_FILES ${GENERATED_DIR}/picture.bmp ${GENERATED_DIR}/progress.bmp
                    ${GENERATED_DIR}/launcher.ico ${GENERATED_DIR}/uninstaller.ico)
  add_custom_command(OUTPUT ${ARTWORK_FILES} COMMAND artwork_gen ${GENERATED_DIR}
                     DEPENDS artwork_gen COMMENT "Drawing the title's artwork")
  add_custom_target(artwork ALL DEPENDS ${ARTWORK_FILES})
endif()

# The programs' folders include one way (app -> setup, syscheck, ui -> core -> common).
add_test(NAME layers.includes COMMAND ${CMAKE_SOURCE_DIR}/tools/check_layers ${CMAKE_SOURCE_DIR})
set_tests_properties(layers.includes PROPERTIES LABELS unit TIMEOUT 300)

# The disc image scripts/build lays out after the Windows build.
add_test(NAME disc.image COMMAND ${CMAKE_SOURCE_DIR}/tools/disc/check_image ${CMAKE_SOURCE_DIR}/dist)
set_tests_properties(disc.image PROPERTIES LABELS unit TIMEOUT 120)
# A disc from a folder of the title's own files, from the programs of the 32-bit build.
add_test(NAME disc.title_files COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/disc/title_files_test.py
                                       ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/build/win)
set_tests_properties(disc.title_files PROPERTIES LABELS unit TIMEOUT 300)
