# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model), so that the
# Windows-only code is compiled and, under Wine, run on a Linux machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows, as scripts/windows-qt.sh builds it, for the preset "windows". Its host tools
# (moc, uic, rcc) are the build machine's own Qt of the same version.
if(VELMORA_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VELMORA_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${VELMORA_WINDOWS_QT})
    # The host's Qt lies in Debian's folder for the build machine's own architecture.
    set(QT_HOST_PATH /usr CACHE PATH "The host's Qt")
    if(NOT QT_HOST_PATH_CMAKE_DIR)
        execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
            OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
        if(NOT status EQUAL 0 OR multiarch STREQUAL "")
            message(FATAL_ERROR "dpkg-architecture did not name the build machine's architecture "
                                "(package dpkg-dev); give QT_HOST_PATH_CMAKE_DIR instead.")
        endif()
        set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${multiarch}/cmake CACHE PATH "The host's Qt CMake files")
    endif()
endif()
