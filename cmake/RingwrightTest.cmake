# ringwright_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>] [GUI])
# Builds one Qt Test executable and registers it with CTest. Every test runs
# offscreen and in a UTF-8 locale, from a working folder of its own; GUI
# marks a test that opens Qt Gui, for the sanitizers' settings.
function(ringwright_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  set(run_env QT_QPA_PLATFORM=offscreen LANG=C.UTF-8)
  if(T_GUI)
    list(APPEND run_env ${RINGWRIGHT_GUI_RUN_ENV})
  else()
    list(APPEND run_env ${RINGWRIGHT_CORE_RUN_ENV})
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt5::Test)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set(workdir ${CMAKE_CURRENT_BINARY_DIR}/work/${T_NAME})
  file(MAKE_DIRECTORY ${workdir})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${workdir})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "${run_env}"
    TIMEOUT 600)
endfunction()
