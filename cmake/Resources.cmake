# skin_add_resources(<target> <rc file> [PICTURES <files>...])
#
# Puts the bitmaps and icons that a resource script names into <target>.
# Windows: the script is one more source, compiled by the platform's resource
# compiler. Elsewhere: the host tool rescomp compiles it to the same .res
# bytes at build time and a generated source carries them into the module as
# an allocated ELF note, where the portable loader looks for them. The target
# property SKIN_RESOURCE_FILE then names that .res file.
include_guard(GLOBAL)

if(WIN32)
  enable_language(RC)
endif()

# skin_resource_pictures(<out var> <rc file>): every picture the script names,
# so that a changed picture rebuilds what embeds it.
function(skin_resource_pictures out rc_path)
  get_filename_component(rc_dir "${rc_path}" DIRECTORY)
  file(STRINGS ${rc_path} statements
       REGEX "^[ \t]*[A-Za-z_][A-Za-z0-9_]*[ \t]+(BITMAP|ICON)[ \t]+\"[^\"]+\"")
  set(pictures)
  foreach(statement IN LISTS statements)
    string(REGEX MATCH "\"([^\"]+)\"" unused "${statement}")
    if(IS_ABSOLUTE "${CMAKE_MATCH_1}")
      list(APPEND pictures "${CMAKE_MATCH_1}")
    else()
      list(APPEND pictures "${rc_dir}/${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc_path})
  set(${out} ${pictures} PARENT_SCOPE)
endfunction()

# A script written by the build names its pictures with PICTURES, as it
# cannot be read when the build is configured.
function(skin_add_resources target rc_file)
  cmake_parse_arguments(ARG "" "" "PICTURES" ${ARGN})
  get_filename_component(rc_path "${rc_file}" ABSOLUTE)
  get_filename_component(rc_dir "${rc_path}" DIRECTORY)
  get_filename_component(rc_stem "${rc_path}" NAME_WE)
  if(DEFINED ARG_PICTURES)
    set(pictures ${ARG_PICTURES})
  else()
    skin_resource_pictures(pictures ${rc_path})
  endif()

  if(WIN32)
    target_sources(${target} PRIVATE ${rc_path})
    # File names in the script are relative to the script's folder; the
    # compiler reports no dependencies of its own.
    set_property(SOURCE ${rc_path} APPEND PROPERTY COMPILE_OPTIONS "--include-dir=${rc_dir}")
    set_property(SOURCE ${rc_path} APPEND PROPERTY OBJECT_DEPENDS ${pictures})
    return()
  endif()

  if(NOT TARGET rescomp)
    message(FATAL_ERROR "skin_add_resources: the rescomp tool is not part of this build "
                        "(add_subdirectory(tools/rescomp) first)")
  endif()

  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(note_source ${out_dir}/${rc_stem}_note.cpp)
  set(res_file ${out_dir}/${rc_stem}_note.res)
  add_custom_command(
    OUTPUT ${note_source} ${res_file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND rescomp --embed ${rc_path} ${note_source}
    DEPENDS rescomp ${rc_path} ${pictures}
    COMMENT "Compiling resources of ${target} from ${rc_stem}.rc"
    VERBATIM)
  target_sources(${target} PRIVATE ${note_source})
  # The source only names the .res file; its object must follow the bytes.
  set_source_files_properties(${note_source} PROPERTIES OBJECT_DEPENDS ${res_file})
  # The note's size check is an assembler expression that only GNU as evaluates.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set_property(SOURCE ${note_source} APPEND PROPERTY COMPILE_OPTIONS -fno-integrated-as)
  endif()
  set_property(TARGET ${target} PROPERTY SKIN_RESOURCE_FILE ${res_file})
endfunction()
