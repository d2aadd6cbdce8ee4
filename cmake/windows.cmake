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
