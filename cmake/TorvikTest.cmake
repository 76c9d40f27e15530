# Helpers that declare the test executables of both kinds of build.
#
#   torvik_native_test(name SOURCES ... [LIBS ...])   Linux, GoogleTest, sanitizers
#   torvik_wine_test(name SOURCES ... [LIBS ...] [TIMEOUT s] [PROPERTIES ...])
#                                                     Windows, run by ctest under Wine
#
# A Wine test executable links the product's resources, so resource ids load from the
# test's own image just as they load from Torvik.dll, and the shared test support
# (message-box catcher, loopback HTTP server, main with COM and common controls set up).

set(TORVIK_WINE_STATE "${CMAKE_BINARY_DIR}/wine")

function(torvik_native_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS native)
endfunction()

function(torvik_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES} $<TARGET_OBJECTS:torvik_res>)
  target_link_libraries(${name} PRIVATE ${T_LIBS} torvik_testsupport GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 180)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS wine FIXTURES_REQUIRED wine
                                          ${T_PROPERTIES})
endfunction()

# A benchmark: built with everything else, run only by "./dev.sh bench" (ctest -C bench).
# It prints its own ratios against a baseline measured in the same run.
function(torvik_wine_bench name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} $<TARGET_OBJECTS:torvik_res>)
  target_link_libraries(${name} PRIVATE ${T_LIBS} torvik_testsupport GTest::gtest)
  add_test(NAME ${name} COMMAND ${name} CONFIGURATIONS bench)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 LABELS bench FIXTURES_REQUIRED wine)
endfunction()
