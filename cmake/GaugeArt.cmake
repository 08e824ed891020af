# gauge_module_resources(TARGET NAME DESCRIPTION)
#
# Puts the module's bitmaps and version information into the module file: as
# BITMAP and VERSIONINFO resources (language 1033) in a Windows module, as the
# sections .gauge_bitmaps and .gauge_version in a native one (format in
# host/module_file/store_format.h).
#
# The bitmaps are painted at build time by the module's artwork generator
# (art/), a native program built from the module's own declaration sources, the
# framework and the module's painters, so the pictures always fit the records.
# The generator is a project of its own, built with the native compilers even in
# the cross build. Any change to a declaration, a painter or the description
# repaints the bitmaps and relinks the module.
include(ExternalProject)

if(WIN32)
  enable_language(RC)
else()
  enable_language(ASM)
endif()

set(GAUGE_ART_PROJECT_DIR ${CMAKE_CURRENT_LIST_DIR}/../art)

# Absolute paths of the C++ sources of TARGET.
function(_gauge_cxx_sources target out_var)
  get_target_property(dir ${target} SOURCE_DIR)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.(cpp|cc|cxx)$")
  set(absolute "")
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${dir} OUTPUT_VARIABLE path)
    list(APPEND absolute ${path})
  endforeach()
  set(${out_var} ${absolute} PARENT_SCOPE)
endfunction()

function(gauge_module_resources target name description)
  get_target_property(source_dir ${target} SOURCE_DIR)
  get_target_property(framework_dir gauge_framework SOURCE_DIR)
  _gauge_cxx_sources(${target} module_sources)
  _gauge_cxx_sources(gauge_framework framework_sources)
  list(JOIN module_sources "|" module_sources)
  list(JOIN framework_sources "|" framework_sources)

  set(art_root ${CMAKE_BINARY_DIR}/art/${name})
  set(generator ${art_root}/build/art_${name})
  ExternalProject_Add(art_generator_${name}
    SOURCE_DIR ${GAUGE_ART_PROJECT_DIR}
    PREFIX ${art_root}
    BINARY_DIR ${art_root}/build
    LIST_SEPARATOR |
    CMAKE_ARGS
      -DCMAKE_C_COMPILER=gcc
      -DCMAKE_CXX_COMPILER=g++
      -DCMAKE_BUILD_TYPE=Release
      -DGAUGE_ART_MODULE=${name}
      -DGAUGE_ART_SOURCE_DIR=${source_dir}
      -DGAUGE_ART_SOURCES=${module_sources}
      -DGAUGE_ART_FRAMEWORK_DIR=${framework_dir}
      -DGAUGE_ART_FRAMEWORK_SOURCES=${framework_sources}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
    BUILD_ALWAYS TRUE
    BUILD_BYPRODUCTS ${generator}
    INSTALL_COMMAND "")

  set(version_parts ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH}
                    ${PROJECT_VERSION_TWEAK})
  list(TRANSFORM version_parts REPLACE "^$" "0")
  list(LENGTH version_parts count)
  while(count LESS 4)
    list(APPEND version_parts 0)
    math(EXPR count "${count} + 1")
  endwhile()
  list(JOIN version_parts "." version)

  set(out ${art_root}/out)
  add_custom_command(
    OUTPUT ${out}/resources.rc ${out}/store.S ${out}/bitmaps.bin ${out}/version.bin
    COMMAND ${generator} --out ${out} --description ${description} --version ${version}
    DEPENDS art_generator_${name} ${generator}
    COMMENT "Painting the bitmaps of ${name}"
    VERBATIM)
  if(WIN32)
    target_sources(${target} PRIVATE ${out}/resources.rc)
  else()
    target_sources(${target} PRIVATE ${out}/store.S)
  endif()
  set_property(TARGET ${target} PROPERTY GAUGE_ART_DIR ${out})
endfunction()
