# The house is built of floors, one CMake library per folder of src/. Every library records
# its folder and the libraries it links, and the build writes them to layers.txt, from which
# scripts/check_layers.sh decides which headers a folder may include: its own, and those of
# the folders its library links, directly or through them.

# qf_layer(TARGET DIR DEPS...): records that folder DIR belongs to TARGET, which links DEPS.
function(qf_layer target dir)
  set_property(GLOBAL APPEND PROPERTY QF_LAYER_TARGETS ${target})
  set_property(GLOBAL PROPERTY QF_LAYER_DIR_${target} ${dir})
  set_property(GLOBAL PROPERTY QF_LAYER_DEPS_${target} ${ARGN})
endfunction()

# qf_library_if(CONDITION NAME DIR DEPS...): qf_library when CONDITION holds; otherwise the
# folder is only recorded, so every build declares every floor (and the layer check covers the
# windows' folders in a build without them).
function(qf_library_if condition name dir)
  if(${condition})
    qf_library(${name} ${dir} ${ARGN})
  else()
    qf_layer(${name} ${dir} ${ARGN})
  endif()
endfunction()

# qf_program_if(CONDITION NAME DIR SOURCES... LINKS DEPS...): the same for a program.
function(qf_program_if condition name dir)
  if(${condition})
    qf_program(${name} ${dir} ${ARGN})
  else()
    cmake_parse_arguments(P "" "" "SOURCES;LINKS" ${ARGN})
    qf_layer(${name} ${dir} ${P_LINKS})
  endif()
endfunction()

# qf_library(NAME DIR DEPS...): one library per folder, its sources taken from DIR (sub-folders
# such as forms/ are layers of their own and are not included). A folder that is missing or
# holds no .cpp file stops the configuration: it would make a library of nothing.
function(qf_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
  file(GLOB compiled CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT compiled)
    message(FATAL_ERROR "qf_library(${name}): src/${dir} holds no .cpp file")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  qf_layer(${name} ${dir} ${ARGN})
endfunction()

# qf_program(NAME DIR SOURCES... LINKS DEPS...): an executable of folder DIR.
function(qf_program name dir)
  cmake_parse_arguments(P "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${P_SOURCES})
  target_link_libraries(${name} PRIVATE ${P_LINKS})
  qf_layer(${name} ${dir} ${P_LINKS})
endfunction()

# Writes FILE: one line per folder, "folder: the folders of the libraries it links", Qt's
# modules among them by their header folder (Qt6::Gui as QtGui); and where Qt's headers are.
function(qf_write_layers file)
  get_property(targets GLOBAL PROPERTY QF_LAYER_TARGETS)
  set(text "# Written by the build: each src/ folder and the folders its library links directly.\n")
  string(APPEND text "# Qt headers: ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}\n")
  foreach(target IN LISTS targets)
    get_property(dir GLOBAL PROPERTY QF_LAYER_DIR_${target})
    get_property(deps GLOBAL PROPERTY QF_LAYER_DEPS_${target})
    set(line "${dir}:")
    foreach(dep IN LISTS deps)
      if(dep IN_LIST targets)
        get_property(depdir GLOBAL PROPERTY QF_LAYER_DIR_${dep})
        string(APPEND line " ${depdir}")
      elseif(dep MATCHES "^Qt6::(.+)$")
        string(APPEND line " Qt${CMAKE_MATCH_1}")
      endif()
    endforeach()
    string(APPEND text "${line}\n")
  endforeach()
  file(WRITE ${file} "${text}")
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
