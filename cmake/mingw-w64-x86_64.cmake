# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (packages
# gcc-mingw-w64-x86-64-posix and g++-mingw-w64-x86-64-posix). The posix flavour has
# std::thread, std::mutex and the rest of the standard library's threading, which the
# win32 flavour of GCC 12 lacks. Qt and libzip for Windows are built with this file too
# (tools/windows-deps.sh), so that everything links one and the same runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_AR ${TOOLCHAIN_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TOOLCHAIN_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt and libzip built for Windows (tools/windows-deps.sh) lie under prefixes of their own
# in VELMOR_WINDOWS_DEPS; packages are searched there as under MinGW's own root. The
# host's moc, rcc and uic serve the cross-built Qt, which is of the same version.
if(VELMOR_WINDOWS_DEPS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VELMOR_WINDOWS_DEPS}/qt ${VELMOR_WINDOWS_DEPS}/libzip)
    list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMOR_WINDOWS_DEPS)
    set(QT_HOST_PATH /usr CACHE PATH "")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()
