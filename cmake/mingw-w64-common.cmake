# The compiler's own libraries (libgcc, libstdc++, winpthread) go into each .exe and .dll, so
# that they need only the DLLs every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
# The tests run as Windows programs under Wine, where it is installed.
find_program(QUMAT_WINE wine)
if(QUMAT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUMAT_WINE})
endif()
# pkg-config looks among the cross-built libraries only, never the build machine's own.
set(ENV{PKG_CONFIG_LIBDIR} "${CMAKE_FIND_ROOT_PATH}/lib/pkgconfig")
