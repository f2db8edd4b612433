# qf_core_library(NAME DIR DEPS...): one library per layer, its sources taken from DIR
# (sub-folders such as forms/ are layers of their own and are not included).
function(qf_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# qf_test(NAME DIR LABEL DEPS...): one GoogleTest program per test folder.
function(qf_test name dir label)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources} ${PROJECT_BINARY_DIR}/TestEnvironment.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main qf_testsupport)
  # The test environment (program directory, tool path, offscreen platform) is compiled in:
  # see TestEnvironment.cpp.in.
  gtest_discover_tests(${name} PROPERTIES LABELS ${label} DISCOVERY_TIMEOUT 60)
endfunction()
include(GoogleTest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/TestEnvironment.cpp.in ${PROJECT_BINARY_DIR}/TestEnvironment.cpp @ONLY)
