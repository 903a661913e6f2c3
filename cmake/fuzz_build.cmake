# Fuzz build (clang, libFuzzer, ASan, UBSan): one target per tests/fuzz/*_fuzz.cpp over the portable
# core, each also a ctest test that runs for FUZZ_SECONDS from its committed seed corpus.
set(FUZZ_SECONDS 20 CACHE STRING "How long each fuzz target runs under ctest")
set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -g)
add_compile_options(${FUZZ_FLAGS})
add_link_options(-fsanitize=address,undefined)

add_library(fuzz_core STATIC ${COMMON_CORE_SOURCES} ${LAUNCHER_CORE_SOURCES} ${UNINSTALLER_CORE_SOURCES})
target_compile_options(fuzz_core PRIVATE ${PROJECT_WARNINGS})

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(stem ${source} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" name ${stem})
  add_executable(fuzz_${name} ${source})
  target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(fuzz_${name} PRIVATE ${PROJECT_WARNINGS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_${name} PRIVATE fuzz_core)
  set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  set(work ${CMAKE_BINARY_DIR}/corpus/${name})
  add_test(NAME fuzz.${name}
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   $<TARGET_FILE:fuzz_${name}> -max_total_time=${FUZZ_SECONDS} -print_final_stats=1
                   -timeout=10 ${work} ${seeds})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 600)
  file(MAKE_DIRECTORY ${work})
endforeach()
