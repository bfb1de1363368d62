# skin_add_pack(<name> <folder>)
#
# A module for the skin pack in <folder> (pack.toml, pictures/): the module's
# code, compiled once for every pack, with the pack's values block and its
# pictures. skinpack checks the folder and writes the values source and the
# resource script; a pack with a problem fails the build, each problem named
# with its file and place. Portable: lib<name>.so; Windows: <name>.dll in the
# platform compiler's ABI. The object library <name>_values carries the
# values alone, for tests that link the module's code themselves; the
# resource script is <binary dir>/<name>/<name>.rc.
include_guard(GLOBAL)

if(WIN32)
  # skinpack runs on the build machine: a build of its own with the host's compiler.
  # The release build's tests also run the kit on the build machine against
  # the module it ships.
  include(ExternalProject)
  set(skin_host_tools ${CMAKE_BINARY_DIR}/host-tools)
  set(host_targets skinpack)
  if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    list(APPEND host_targets skinkit resdump)
  endif()
  ExternalProject_Add(skin_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${skin_host_tools}
    CMAKE_ARGS -DSKIN_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
               -DSKINKIT_BUILT_MODULE=${CMAKE_BINARY_DIR}/skinpak1.dll
               -DSKINKIT_BUILT_EXE=${CMAKE_BINARY_DIR}/skinkit.exe
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${skin_host_tools} --target ${host_targets}
    BUILD_BYPRODUCTS ${skin_host_tools}/skinpack
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    STEP_TARGETS build)
  set(SKIN_SKINPACK ${skin_host_tools}/skinpack)
  set(SKIN_HOST_SKINKIT ${skin_host_tools}/skinkit CACHE INTERNAL "skinkit for the build machine")
  set(SKIN_HOST_RESDUMP ${skin_host_tools}/resdump CACHE INTERNAL "resdump for the build machine")
  set(SKIN_SKINPACK_TARGET skin_host_tools)
else()
  set(SKIN_SKINPACK $<TARGET_FILE:skinpack>)
  set(SKIN_SKINPACK_TARGET skinpack)
endif()

function(skin_add_pack name folder)
  get_filename_component(folder "${folder}" ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(values_source ${out}/${name}_values.cpp)
  set(script ${out}/${name}.rc)
  file(GLOB pictures CONFIGURE_DEPENDS ${folder}/pictures/*)
  add_custom_command(
    OUTPUT ${values_source} ${script}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${SKIN_SKINPACK} ${folder} --name ${name} --values ${values_source} --script ${script}
    DEPENDS ${SKIN_SKINPACK_TARGET} ${SKIN_SKINPACK} ${folder}/pack.toml ${pictures}
    COMMENT "Checking skin pack ${name}"
    VERBATIM)

  # What else reads the generated files waits for them through this target.
  add_custom_target(${name}_pack_sources DEPENDS ${values_source} ${script})

  set(SKIN_PACK_NAME ${name})
  configure_file(${PROJECT_SOURCE_DIR}/face/module.def.in ${out}/${name}.def @ONLY)

  add_library(${name}_values OBJECT ${values_source})
  target_include_directories(${name}_values PRIVATE ${PROJECT_SOURCE_DIR}/face)
  set_target_properties(${name}_values PROPERTIES CXX_VISIBILITY_PRESET hidden)

  if(WIN32)
    set(resources ${out}/${name}_resources.o)
    add_custom_command(
      OUTPUT ${resources}
      COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${script} -o ${resources}
      DEPENDS ${script} ${pictures}
      COMMENT "Compiling the resources of ${name}"
      VERBATIM)
    skin_add_msvc_abi_binary(${name} DLL
      SOURCES ${values_source}
      INCLUDES ${PROJECT_SOURCE_DIR}/face
      DEF ${out}/${name}.def
      OBJECTS ${SKIN_MODULE_OBJECTS} ${resources}
      LIBS -luser32 -lgdi32 -lkernel32)
    add_dependencies(${name} skin_module_objects)
    set(${name}_FILE ${${name}_FILE} PARENT_SCOPE)
  else()
    add_library(${name} SHARED)
    target_link_libraries(${name} PRIVATE skin_face skin_portable_entry ${name}_values)
    set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    skin_add_resources(${name} ${script} PICTURES ${pictures})
    set(exports ${PROJECT_SOURCE_DIR}/face/exports.map)
    target_link_options(${name} PRIVATE -Wl,--version-script=${exports})
    # clang leaves the sanitizers' runtime to the executable, so only GCC's
    # builds can insist on a module with nothing left undefined.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${exports})
  endif()
endfunction()
