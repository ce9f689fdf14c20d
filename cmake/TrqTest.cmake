# trq_add_test(NAME <name> LABEL <label> [GUI] [TIMEOUT s] SOURCES ... LIBS ...)
# Builds one GoogleTest binary and registers it with CTest under the folder's label.
# GUI tests get a main that creates a QApplication on the offscreen platform.
function(trq_add_test)
  cmake_parse_arguments(T "GUI" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE trq_gui_test_main)
  else()
    target_link_libraries(${T_NAME} PRIVATE trq_test_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "TRQ_SOURCE_DIR=${CMAKE_SOURCE_DIR};TRQ_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()
