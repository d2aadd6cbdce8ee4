# The Windows build's libraries: SDL2 and hidapi built statically from Debian's sources
# (scripts/setup-windows), a static C and C++ runtime, and the program's resources.

# hidapi's Windows backend under the name the Linux build gets from pkg-config.
find_package(hidapi 0.13 REQUIRED)
add_library(PkgConfig::HIDAPI INTERFACE IMPORTED)
target_link_libraries(PkgConfig::HIDAPI INTERFACE hidapi::hidapi)

# One korvedan.exe with no DLLs beside it: the MinGW runtime, libstdc++ and winpthreads inside.
add_link_options(-static -static-libgcc -static-libstdc++)
# Unicode Windows calls, and no min/max macros over std::min and std::max.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# The game as a windowed program (no console window) with its manifest.
enable_language(RC)
function(kv_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/packaging/windows/korvedan.rc)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/packaging/windows/korvedan.rc TARGET_DIRECTORY ${target} APPEND PROPERTY
               OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/korvedan.manifest)
endfunction()
