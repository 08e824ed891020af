# GoogleTest for every preset. Natively Debian's packaged build; for the Windows
# cross build, Debian's sources compiled with the cross compiler, linked statically
# so the test programs need no DLL beside them under wine.
if(CMAKE_CROSSCOMPILING)
  set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${GOOGLETEST_SOURCE_DIR}: run scripts/setup")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  # GoogleTest's own sources do not build with our -Werror set of warnings.
  get_directory_property(gauge_compile_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${gauge_compile_options}")
else()
  find_package(GTest REQUIRED)
endif()

# gauge_add_test_program(TARGET): registers a test program with ctest. Under wine
# each process starts slowly, so in the Windows build a program is one ctest test;
# natively every test case is its own ctest test.
include(GoogleTest)
function(gauge_add_test_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    add_test(NAME ${target} COMMAND ${target})
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
