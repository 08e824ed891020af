# add_gauge_module(NAME DESCRIPTION text SOURCES files...)
#
# Builds gauge module NAME from the sources of the calling folder, linked with
# the framework: gauges/NAME.so natively, gauges/NAME.gau on 32-bit Windows.
# The module exports exactly ImportTable and Linkage and carries its bitmaps and
# version information inside the file (see GaugeArt.cmake).
set(GAUGE_FRAMEWORK_DIR ${CMAKE_CURRENT_LIST_DIR}/../framework)

function(add_gauge_module name)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "SOURCES" ${ARGN})
  # The declarations and callbacks, also compiled into the artwork generator.
  set(target gauge_${name})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE gauge_framework)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${name}
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    set_target_properties(${target} PROPERTIES SUFFIX ".gau")
    target_sources(${target} PRIVATE ${GAUGE_FRAMEWORK_DIR}/exports.def)
    # A module must load in the simulator with no extra DLL beside it.
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    set_target_properties(${target} PROPERTIES SUFFIX ".so")
    target_link_options(${target} PRIVATE
      -Wl,--version-script=${GAUGE_FRAMEWORK_DIR}/exports.map -Wl,--no-undefined)
  endif()
  gauge_module_resources(${target} ${name} "${ARG_DESCRIPTION}")
  set_property(GLOBAL APPEND PROPERTY GAUGE_MODULES ${name})
endfunction()
