# One line per test executable: skin_add_test(<name> <sources>... [LIBS <libs>...]).
# Each executable runs as one process (under Wine a process takes seconds to start).
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The tests run on one thread. Thread-safe GoogleTest on Windows starts a
  # watcher thread for every thread that touches a trace or a scoped value,
  # and a thread started under an emulated Wine can die before its first
  # instruction, taking the test process with it.
  # Its Windows death tests still want a handle owner from the thread-safe
  # configuration, which the forced header supplies.
  target_compile_definitions(gtest PUBLIC GTEST_IS_THREADSAFE=0)
  target_compile_options(gtest PRIVATE -include ${CMAKE_CURRENT_LIST_DIR}/../tests/support/gtest_single_thread.h)
else()
  find_package(GTest REQUIRED)
endif()

function(skin_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main skin_test_support)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
