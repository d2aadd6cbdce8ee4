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

# The game's icon, drawn at build time by the Linux kvtool from the game's own sprites (there is
# no picture in the sources): scripts/build-windows builds that kvtool first and names it here.
set(KV_HOST_KVTOOL "" CACHE FILEPATH "A kvtool built for this machine, which writes korvedan.ico")
if(NOT KV_HOST_KVTOOL)
  message(FATAL_ERROR "The Windows build draws its icon with a kvtool built for this machine: pass "
                      "-DKV_HOST_KVTOOL=PATH (scripts/build-windows does).")
endif()
set(kv_windows_resources ${PROJECT_BINARY_DIR}/windows-resources)
add_custom_command(OUTPUT ${kv_windows_resources}/korvedan.ico
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${kv_windows_resources}
                   COMMAND ${KV_HOST_KVTOOL} windows-icon ${kv_windows_resources}/korvedan.ico
                   DEPENDS ${KV_HOST_KVTOOL}
                   COMMENT "Drawing korvedan.ico")
add_custom_target(korvedan_icon DEPENDS ${kv_windows_resources}/korvedan.ico)

# The game as a windowed program (no console window) with its icon and manifest.
enable_language(RC)
function(kv_windows_program target)
  set(rc ${PROJECT_SOURCE_DIR}/packaging/windows/korvedan.rc)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} korvedan_icon)
  # windres finds the icon and the manifest through the include path.
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY
               INCLUDE_DIRECTORIES ${kv_windows_resources} ${PROJECT_SOURCE_DIR}/packaging/windows)
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY
               OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/korvedan.manifest ${kv_windows_resources}/korvedan.ico)
endfunction()
