# Qt for Windows is compiled by Clang: for the same target and from the same headers, it compiles
# Qt in about three fifths of the processor time GCC needs, and Qt's build is most of what a new
# machine does. Clang targets MinGW-w64's ABI and is given MinGW-w64's headers and GCC's own C++
# library, so the programs, compiled by GCC (mingw-w64.cmake), link with it as with a Qt that GCC
# compiled, and ship GCC's run time alone.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)

# Debian's Clang would search the build machine's own /usr/include, and does not find GCC's C++
# library for this target (it looks for a numbered folder, Debian's is "12-posix"). So every
# folder is named, in the order GCC itself searches, with Clang's own builtin headers in place of
# GCC's.
execute_process(COMMAND x86_64-w64-mingw32-gcc-posix -print-libgcc-file-name
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE gcc_status)
execute_process(COMMAND clang-14 -print-resource-dir
    OUTPUT_VARIABLE clang_resources OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE clang_status)
if(NOT gcc_status EQUAL 0 OR NOT clang_status EQUAL 0)
    message(FATAL_ERROR "x86_64-w64-mingw32-gcc-posix or clang-14 is missing; "
                        "run scripts/setup.sh windows.")
endif()
cmake_path(GET libgcc PARENT_PATH gcc_dir)
set(c_folders "-isystem ${clang_resources}/include -isystem /usr/x86_64-w64-mingw32/include")
set(CMAKE_C_FLAGS_INIT "-nostdinc ${c_folders}")
set(CMAKE_CXX_FLAGS_INIT "-nostdinc -nostdinc++ -isystem ${gcc_dir}/include/c++ \
-isystem ${gcc_dir}/include/c++/x86_64-w64-mingw32 -isystem ${gcc_dir}/include/c++/backward ${c_folders}")
# Clang links through MinGW-w64's own linker; only GCC's library folder must be named.
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-L${gcc_dir}")
endforeach()
