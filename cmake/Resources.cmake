# skin_add_resources(<target> <rc file> PICTURES <files>...)
#
# Puts the bitmaps and icons that a resource script names into <target> of
# the portable build: the host tool rescomp compiles the script to the .res
# bytes the platform's compiler makes, and a generated source carries them
# into the module as an allocated ELF note, where the portable loader looks
# for them. PICTURES names the script's pictures, so that a changed picture
# rebuilds what embeds it (the script may be written by the build). The
# target property SKIN_RESOURCE_FILE then names that .res file. (The Windows
# build compiles its scripts with windres: cmake/SkinPack.cmake.)
include_guard(GLOBAL)

function(skin_add_resources target rc_file)
  cmake_parse_arguments(ARG "" "" "PICTURES" ${ARGN})
  get_filename_component(rc_path "${rc_file}" ABSOLUTE)
  get_filename_component(rc_stem "${rc_path}" NAME_WE)

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
    DEPENDS rescomp ${rc_path} ${ARG_PICTURES}
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
