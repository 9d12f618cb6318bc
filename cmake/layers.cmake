# One static library per layer. Sources are collected from the layer's folder (and from
# EXTRA_DIRS, for layers that share one class spread over several folders) so that adding a
# file needs no edit here.
# DEPS are public (their headers are part of the layer's); PRIVATE_DEPS are linked but
# not seen by the layer's users.
function(hd_add_layer name dir)
  cmake_parse_arguments(L "" "" "DEPS;PRIVATE_DEPS;EXCLUDE;EXTRA_DIRS" ${ARGN})
  set(globs ${dir}/*.cpp)
  foreach(d IN LISTS L_EXTRA_DIRS)
    list(APPEND globs ${d}/*.cpp)
  endforeach()
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${globs})
  foreach(x IN LISTS L_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${x}")
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${L_DEPS})
    target_link_libraries(${name} PRIVATE ${L_PRIVATE_DEPS})
  else()
    # A layer whose first file has not been written yet.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# One test binary per area: every *_test.cpp under the folder.
function(hd_add_test_area name dir)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT srcs)
    return()
  endif()
  file(GLOB_RECURSE helpers CONFIGURE_DEPENDS ${dir}/*_helper.cpp ${dir}/testkit/*.cpp)
  add_executable(${name} ${srcs} ${helpers})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gmock hd_test_main)
  target_compile_definitions(${name} PRIVATE HD_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  # gtest_discover_tests flattens a list given to PROPERTIES, so ENVIRONMENT would keep only
  # its first variable; env(1) as the tests' launcher passes them all.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${HD_TEST_ENV}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()
