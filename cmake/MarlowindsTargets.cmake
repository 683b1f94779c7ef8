# One static library per subsystem folder. Sources are collected from the listed
# folders so that adding a class is adding its two files.
#
#   marlowinds_add_library(<target> DIRS <dir>... [LINKS <target>...])
function(marlowinds_add_library target)
  cmake_parse_arguments(ARG "" "" "DIRS;LINKS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()

# One test executable per tests/ folder, every test registered with CTest
# under the folder's label.
#
#   marlowinds_add_tests(<name> DIR <tests-subdir> LABEL <label> LINKS <target>...)
function(marlowinds_add_tests name)
  cmake_parse_arguments(ARG "" "DIR;LABEL" "LINKS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/tests/${ARG_DIR}/*.cpp ${CMAKE_SOURCE_DIR}/tests/${ARG_DIR}/*.h)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gmock GTest::gtest_main Threads::Threads)
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${ARG_LABEL}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
