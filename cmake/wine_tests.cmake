# Tests that run under Wine: GoogleTest programs built for Windows, run by ctest through the rig.
# The rig is prepared once per test run (fixture "wine") and shared, so these tests run one at a time.
set(GTEST_SRC /usr/src/googletest)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(RIG ${CMAKE_SOURCE_DIR}/tools/winerig/rig)
add_test(NAME rig.up COMMAND ${RIG} up ${RIG_DIR} ${DIST_DIR}/disc)
set_tests_properties(rig.up PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine LABELS rig TIMEOUT 180)
add_test(NAME rig.down COMMAND ${RIG} down ${RIG_DIR})
set_tests_properties(rig.down PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine LABELS rig)

file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(test_support STATIC ${TEST_SUPPORT_SOURCES})
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(test_support PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(test_support PUBLIC gtest ${SYSTEM_LIBS} ole32)

set(CMAKE_CROSSCOMPILING_EMULATOR ${RIG};run;${RIG_DIR})
set(WINE_TEST_ENV "BRINDLE_DIST=${DIST_DIR}" "BRINDLE_RIG=${RIG_DIR}" "BRINDLE_SOURCE=${CMAKE_SOURCE_DIR}")

# One test program per file: tests/win32/x_test.cpp -> win32.x, tests/ui/y_test.cpp -> ui.y.
function(add_wine_tests tier)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${tier}/*_test.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    string(REGEX REPLACE "_test$" "" name ${stem})
    set(target ${tier}_${name})
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE ${PROJECT_WARNINGS})
    target_link_options(${target} PRIVATE -static)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE test_support launcher_lib uninstaller_lib gtest_main)
    add_test(NAME ${tier}.${name} COMMAND ${target})
    set_tests_properties(${tier}.${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine
                         LABELS ${tier} TIMEOUT 600 ENVIRONMENT "${WINE_TEST_ENV}")
  endforeach()
endfunction()

add_wine_tests(win32)
add_wine_tests(ui)
