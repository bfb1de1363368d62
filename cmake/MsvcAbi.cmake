# skin_add_msvc_abi_binary(<name> <DLL|EXE> [SOURCES <c++ files>...] [DEF <file>]
#                          [OBJECTS <objects>...] [INCLUDES <dirs>...] [LIBS <libs>...])
#
# OBJECTS may name objects compiled once by skin_msvc_abi_objects for several
# binaries.
#
# Builds <name>.dll or <name>.exe in the platform compiler's own C++ ABI:
# clang compiles for i686-pc-windows-msvc, so the compiler itself lays out the
# classes and gives the virtual tables, the one deleting-destructor slot,
# thiscall, and the run-time type data that dynamic_cast and typeid read.
# libstdc++'s header-only parts serve as the standard library; msvcrt.dll is
# the runtime, reached through mingw-w64's start-up code and GNU ld. A target
# <name> builds it; the variable <name>_FILE names the file.
include_guard(GLOBAL)

find_program(SKIN_MSVC_ABI_CLANG NAMES clang-14 clang REQUIRED)
# Cached, as the function is called from directories that did not include this file first.
set(skin_msvc_abi_dir ${CMAKE_CURRENT_LIST_DIR}/../msvc_abi CACHE INTERNAL "")

# libstdc++'s headers are those of the cross compiler this build already uses
# (the posix thread model, see mingw-i686.cmake), wherever its version put them.
execute_process(
  COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=include/c++
  OUTPUT_VARIABLE skin_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE skin_libstdcxx_result)
# A compiler that has no such directory prints the name back unchanged.
if(NOT skin_libstdcxx_result EQUAL 0 OR NOT IS_ABSOLUTE "${skin_libstdcxx}"
   OR NOT EXISTS "${skin_libstdcxx}/i686-w64-mingw32/bits/c++config.h")
  message(FATAL_ERROR
    "No mingw-w64 libstdc++ headers: looked for include/c++ with "
    "i686-w64-mingw32/bits/c++config.h beneath it, as told by "
    "'${CMAKE_CXX_COMPILER} -print-file-name=include/c++' (answered "
    "'${skin_libstdcxx}'). Install the posix thread model's mingw-w64 g++ "
    "(Debian: g++-mingw-w64-i686-posix).")
endif()
set(skin_libstdcxx ${skin_libstdcxx} CACHE INTERNAL "")

# What every translation unit of this ABI is compiled with. Without a C++
# runtime of its own the module raises nothing; a failed allocation is
# msvcrt.dll's null. The compiler still takes operator new's result as never
# null, so the lists call it through an opaque pointer (shared_heap_list.h).
set(SKIN_MSVC_ABI_FLAGS --target=i686-pc-windows-msvc -std=c++17 -Os -Wall -Wextra
    -fno-exceptions -fno-assume-sane-operator-new
    -nostdinc++ -isystem ${skin_libstdcxx} -isystem ${skin_libstdcxx}/i686-w64-mingw32
    -I${skin_msvc_abi_dir} CACHE INTERNAL "")

# The runtime pieces every binary of this ABI links: msvcrt.dll's decorated
# operators and type services, and type_info's table.
set(skin_msvc_abi_runtime ${CMAKE_BINARY_DIR}/msvc_abi CACHE INTERNAL "")
add_custom_command(
  OUTPUT ${skin_msvc_abi_runtime}/libmsvcrt_cxx.a ${skin_msvc_abi_runtime}/type_info_vtable.o
  COMMAND ${CMAKE_COMMAND} -E make_directory ${skin_msvc_abi_runtime}
  COMMAND i686-w64-mingw32-dlltool --no-leading-underscore -d ${skin_msvc_abi_dir}/msvcrt_cxx.def
          -l ${skin_msvc_abi_runtime}/libmsvcrt_cxx.a
  COMMAND i686-w64-mingw32-as ${skin_msvc_abi_dir}/type_info_vtable.s -o ${skin_msvc_abi_runtime}/type_info_vtable.o
  DEPENDS ${skin_msvc_abi_dir}/msvcrt_cxx.def ${skin_msvc_abi_dir}/type_info_vtable.s
  VERBATIM)
add_custom_target(skin_msvc_abi_runtime
  DEPENDS ${skin_msvc_abi_runtime}/libmsvcrt_cxx.a ${skin_msvc_abi_runtime}/type_info_vtable.o)

# skin_msvc_abi_objects(<out var> <folder> <c++ files>... [INCLUDES <dirs>...])
# Compiles each source once, into <folder> of the current binary directory;
# <out var> names the objects, for binaries that share them.
function(skin_msvc_abi_objects out_var folder)
  cmake_parse_arguments(ARG "" "" "INCLUDES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${folder})
  set(flags ${SKIN_MSVC_ABI_FLAGS})
  # The release build gives each function a section of its own, so that the
  # linker drops what nothing uses, and keeps its debug information in a file
  # beside the binary, linked to it by name. Data keeps its sections: a
  # virtual table's name is an alias into the block that carries its type
  # data, and GNU ld loses such aliases once that block is a section alone.
  if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    list(APPEND flags -ffunction-sections -gdwarf-4)
  endif()
  foreach(dir IN LISTS ARG_INCLUDES)
    list(APPEND flags -I${dir})
  endforeach()
  set(objects)
  foreach(source IN LISTS ARG_UNPARSED_ARGUMENTS)
    get_filename_component(source "${source}" ABSOLUTE)
    get_filename_component(stem "${source}" NAME_WE)
    set(object ${out}/${stem}.obj)
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
      COMMAND ${SKIN_MSVC_ABI_CLANG} ${flags} -MD -MF ${object}.d -c ${source} -o ${object}
      # GNU ld would place clang's SafeSEH table below the image base.
      COMMAND i686-w64-mingw32-objcopy --remove-section=.sxdata ${object}
      DEPENDS ${source}
      DEPFILE ${object}.d
      COMMENT "Compiling ${stem} in the platform compiler's ABI"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  set(${out_var} ${objects} PARENT_SCOPE)
endfunction()

function(skin_add_msvc_abi_binary name kind)
  cmake_parse_arguments(ARG "" "DEF" "SOURCES;OBJECTS;INCLUDES;LIBS" ${ARGN})
  set(objects)
  if(ARG_SOURCES)
    skin_msvc_abi_objects(objects ${name}_msvc_abi ${ARG_SOURCES} INCLUDES ${ARG_INCLUDES})
  endif()
  set(release_link)
  if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    set(release_link -Wl,--gc-sections)
  endif()


  if(kind STREQUAL "DLL")
    set(file ${CMAKE_BINARY_DIR}/${name}.dll)
    set(link_kind -shared)
  else()
    set(file ${CMAKE_BINARY_DIR}/${name}.exe)
    set(link_kind)
  endif()
  set(def)
  if(ARG_DEF)
    set(def ${ARG_DEF})
  endif()
  set(release_split)
  if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    set(release_split
      COMMAND i686-w64-mingw32-objcopy --only-keep-debug ${file} ${file}.debug
      COMMAND i686-w64-mingw32-strip --strip-all ${file}
      COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
              i686-w64-mingw32-objcopy --add-gnu-debuglink=${file}.debug ${file})
  endif()
  add_custom_command(
    OUTPUT ${file}
    COMMAND i686-w64-mingw32-gcc ${link_kind} ${release_link} -o ${file} ${objects} ${ARG_OBJECTS} ${def}
            ${skin_msvc_abi_runtime}/type_info_vtable.o -L${skin_msvc_abi_runtime} -lmsvcrt_cxx ${ARG_LIBS}
    ${release_split}
    DEPENDS ${objects} ${ARG_OBJECTS} ${def} skin_msvc_abi_runtime
    COMMENT "Linking ${name} in the platform compiler's ABI"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${file})
  set(${name}_FILE ${file} PARENT_SCOPE)
endfunction()
