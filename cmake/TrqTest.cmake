# trq_add_test(NAME <name> LABEL <label> [GUI] [TIMEOUT s] [SHARDS n] SOURCES ... LIBS ...)
# Builds one GoogleTest binary and registers it with CTest under the folder's label.
# GUI tests get a main that creates a QApplication on the offscreen platform.
# TIMEOUT is what the test takes at most on an idle machine, with room; CTest gets a ceiling
# TRQ_TEST_TIMEOUT_SCALE times as long (3, or 8 in the sanitizer build), so that a machine
# loaded by other work (CI runners are shared) never ends a test that is merely slow: the
# ceiling only catches a test that hangs.
# With SHARDS n the binary is registered n times, <name>_shard_<i>, each running every n-th
# test (GoogleTest's own sharding), so that CTest runs the parts in parallel.
function(trq_add_test)
  cmake_parse_arguments(T "GUI" "NAME;LABEL;TIMEOUT;SHARDS" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(NOT DEFINED TRQ_TEST_TIMEOUT_SCALE)
    if(TRQ_SANITIZE)
      set(TRQ_TEST_TIMEOUT_SCALE 8)
    else()
      set(TRQ_TEST_TIMEOUT_SCALE 3)
    endif()
  endif()
  math(EXPR T_TIMEOUT "${T_TIMEOUT} * ${TRQ_TEST_TIMEOUT_SCALE}")
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE trq_gui_test_main)
  else()
    target_link_libraries(${T_NAME} PRIVATE trq_test_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  set(environment "TRQ_SOURCE_DIR=${CMAKE_SOURCE_DIR};TRQ_BINARY_DIR=${CMAKE_BINARY_DIR}")
  if(NOT T_SHARDS)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABEL}" TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${environment}")
    return()
  endif()
  math(EXPR last "${T_SHARDS} - 1")
  foreach(shard RANGE ${last})
    add_test(NAME ${T_NAME}_shard_${shard} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME}_shard_${shard} PROPERTIES LABELS "${T_LABEL}" TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${shard}")
  endforeach()
endfunction()
