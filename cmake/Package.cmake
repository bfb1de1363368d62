# What a host developer drops into a client: the DLL, the header with the
# element headers it includes, the exports with an import library for each
# linker, and how to use them. `cpack` in a Windows build writes the zip.
include_guard(GLOBAL)

set(skin_import_dir ${CMAKE_BINARY_DIR}/import)
set(skin_def ${SKIN_PACK_BUILD_DIR}/skinpak1/skinpak1.def)
find_program(SKIN_LLVM_DLLTOOL NAMES llvm-dlltool-14 llvm-dlltool REQUIRED)
# skinpak1.lib is in the platform linker's own format; libskinpak1.dll.a in
# mingw-w64's.
add_custom_command(
  OUTPUT ${skin_import_dir}/skinpak1.lib ${skin_import_dir}/libskinpak1.dll.a
  COMMAND ${CMAKE_COMMAND} -E make_directory ${skin_import_dir}
  COMMAND ${SKIN_LLVM_DLLTOOL} -m i386 -d ${skin_def} -l ${skin_import_dir}/skinpak1.lib
  COMMAND i686-w64-mingw32-dlltool -d ${skin_def} -l ${skin_import_dir}/libskinpak1.dll.a
  DEPENDS ${skin_def}
  COMMENT "Writing the import libraries"
  VERBATIM)
add_custom_target(skinpak1_import_libraries ALL
  DEPENDS ${skin_import_dir}/skinpak1.lib ${skin_import_dir}/libskinpak1.dll.a)

# The skin author's tool beside the module it makes packs from.
install(FILES ${SKIN_MODULE_FILE} ${SKIN_FURTHER_PACK_FILES} $<TARGET_FILE:skinkit> DESTINATION bin)
# Every header a host includes, from the folder the module is compiled from.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/skinpak1 DESTINATION include)
install(FILES ${skin_def} ${skin_import_dir}/skinpak1.lib ${skin_import_dir}/libskinpak1.dll.a DESTINATION lib)
install(FILES ${PROJECT_SOURCE_DIR}/docs/host_package.md DESTINATION . RENAME README.md)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME skinpak1)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_FILE_NAME skinpak1-${CPACK_PACKAGE_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
