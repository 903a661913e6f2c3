# Tests that run under Wine: GoogleTest programs built for Windows, run by ctest through the rig.
# The rig is prepared once per test run (fixture "wine") and shared, so these tests run one at a time.
set(GTEST_SRC /usr/src/googletest)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(RIG ${CMAKE_SOURCE_DIR}/tools/winerig/rig)

# A rig is one prepared prefix and X server, shared by the tests that need its machine:
#   main    1024x768, 24 bits, one wave-out device (every test unless its file name says otherwise)
#   lowres  600x480, 24 bits, no wave-out device  (tests/<tier>/*_lowres_test.cpp)
#   8bit    640x480, 8 bits (a palette display)   (tests/<tier>/*_8bit_test.cpp)
function(add_rig name screen sound)
  set(dir ${CMAKE_BINARY_DIR}/rig-${name})
  add_test(NAME rig.${name}.up COMMAND env RIG_NO_SOUND=${sound} RIG_ARCH=${CMAKE_SYSTEM_PROCESSOR}
                                          ${RIG} up ${dir} ${DIST_DIR}/disc ${screen})
  set_tests_properties(rig.${name}.up PROPERTIES FIXTURES_SETUP wine-${name} RESOURCE_LOCK wine
                       LABELS rig TIMEOUT 180)
  add_test(NAME rig.${name}.down COMMAND ${RIG} down ${dir})
  set_tests_properties(rig.${name}.down PROPERTIES FIXTURES_CLEANUP wine-${name} RESOURCE_LOCK wine
                       LABELS rig TIMEOUT 180)
endfunction()
add_rig(main 1024x768x24 0)
add_rig(lowres 600x480x24 1)
add_rig(8bit 640x480x8 0)

file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
# Nothing calls it, so its object goes into each test program whole rather than from the library.
set(FAILURE_SCREENSHOT ${CMAKE_SOURCE_DIR}/tests/support/failure_screenshot.cpp)
list(REMOVE_ITEM TEST_SUPPORT_SOURCES ${FAILURE_SCREENSHOT})
add_library(test_support STATIC ${TEST_SUPPORT_SOURCES})
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(test_support PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(test_support PUBLIC gtest ${SYSTEM_LIBS} ole32)
add_library(failure_screenshot OBJECT ${FAILURE_SCREENSHOT})
target_compile_options(failure_screenshot PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(failure_screenshot PRIVATE test_support)


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
    target_link_libraries(${target} PRIVATE failure_screenshot test_support launcher_lib uninstaller_lib
                                            gtest_main)
    set(rig main)
    if(name MATCHES "_lowres$")
      set(rig lowres)
    elseif(name MATCHES "_8bit$")
      set(rig 8bit)
    endif()
    set(dir ${CMAKE_BINARY_DIR}/rig-${rig})
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${RIG};run;${dir}")
    add_test(NAME ${tier}.${name} COMMAND ${target})
    set_tests_properties(${tier}.${name} PROPERTIES FIXTURES_REQUIRED wine-${rig} RESOURCE_LOCK wine
      LABELS ${tier} TIMEOUT 600
      ENVIRONMENT "BRINDLE_DIST=${DIST_DIR};BRINDLE_RIG=${dir};BRINDLE_SOURCE=${CMAKE_SOURCE_DIR};BRINDLE_BUILD=${CMAKE_BINARY_DIR}")
  endforeach()
endfunction()

add_wine_tests(win32)
add_wine_tests(ui)

# The programs signed with a throwaway certificate, checked on Linux and then started under Wine.
add_test(NAME ui.sign_disc COMMAND ${CMAKE_SOURCE_DIR}/tests/ui/sign_disc ${CMAKE_SOURCE_DIR}
                                   ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/signing)
set_tests_properties(ui.sign_disc PROPERTIES FIXTURES_SETUP signed LABELS ui TIMEOUT 120)
set_property(TEST ui.signed_programs APPEND PROPERTY FIXTURES_REQUIRED signed)
