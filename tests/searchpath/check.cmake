# Fails when a binary we build or install would look for libraries in the working folder or in
# any folder that is not a fixed one, or when an installation writes outside its prefix. The loader reads an empty search-path entry as the working
# folder and resolves a relative one against it, so a library planted wherever the user happens
# to stand would be loaded into the program.
#
#   cmake -DREADELF=<readelf> -DBINARIES=<file listing the built binaries>
#         -DBUILD_DIR=<build tree> -DSCRATCH=<folder it may empty>
#         -DPROBE=<a built program that ends by itself> -P check.cmake

foreach(variable READELF BINARIES BUILD_DIR SCRATCH PROBE)
    if(NOT ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()
if(NOT EXISTS "${READELF}")
    message(FATAL_ERROR "readelf was not found (${READELF}); install binutils")
endif()

set(failures "")

# The RPATH and RUNPATH entries of one ELF file, each as "<tag> <value>".
function(search_paths file out)
    execute_process(COMMAND "${READELF}" -d "${file}"
        RESULT_VARIABLE status OUTPUT_VARIABLE dynamic ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "readelf could not read ${file}: ${errors}")
    endif()
    string(REGEX MATCHALL "\\((RPATH|RUNPATH)\\)[^\n]*\\[[^\n]*\\]" entries "${dynamic}")
    set(${out} "${entries}" PARENT_SCOPE)
endfunction()

# A built binary may name fixed folders and folders beside itself ($ORIGIN), nothing else.
function(check_built file)
    search_paths("${file}" entries)
    foreach(entry IN LISTS entries)
        string(REGEX REPLACE "^[^[]*\\[(.*)\\]$" "\\1" value "${entry}")
        if(value STREQUAL "" OR value MATCHES "^:|::|:$")
            list(APPEND failures "${file}: an empty entry, read as the working folder: [${value}]")
        else()
            string(REPLACE ":" ";" folders "${value}")
            foreach(folder IN LISTS folders)
                if(NOT folder MATCHES "^(/|\\$ORIGIN|\\$\\{ORIGIN\\})")
                    list(APPEND failures
                        "${file}: a folder relative to the working folder: ${folder}")
                endif()
            endforeach()
        endif()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

# 1. Every binary of the build tree.
file(STRINGS "${BINARIES}" built)
if(NOT built)
    message(FATAL_ERROR "no binaries listed in ${BINARIES}")
endif()
foreach(file IN LISTS built)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "${file} has not been built")
    endif()
    check_built("${file}")
endforeach()
list(LENGTH built builtCount)

# 2. What an installation holds: no search path at all, the system's folders are the only ones.
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${SCRATCH}/prefix"
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()
# Nothing the installation writes may land outside the prefix it was given.
file(STRINGS "${BUILD_DIR}/install_manifest.txt" written)
foreach(file IN LISTS written)
    string(FIND "${file}" "${SCRATCH}/prefix/" at)
    if(NOT at EQUAL 0)
        list(APPEND failures "installed outside the prefix ${SCRATCH}/prefix: ${file}")
    endif()
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false "${SCRATCH}/prefix/*")
set(installedElf 0)
foreach(file IN LISTS installed)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        math(EXPR installedElf "${installedElf} + 1")
        search_paths("${file}" entries)
        foreach(entry IN LISTS entries)
            list(APPEND failures "${file} (installed): ${entry}")
        endforeach()
    endif()
endforeach()
if(installedElf EQUAL 0)
    message(FATAL_ERROR "the installation in ${SCRATCH}/prefix holds no program")
endif()

# 3. Libraries planted in the working folder: were any read, the program would not even start.
file(MAKE_DIRECTORY "${SCRATCH}/planted")
foreach(library libc.so.6 libstdc++.so.6 libQt6Core.so.6 libQt6Widgets.so.6)
    file(WRITE "${SCRATCH}/planted/${library}" "not a library")
endforeach()
execute_process(COMMAND "${PROBE}" WORKING_DIRECTORY "${SCRATCH}/planted"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(errors MATCHES "loading shared libraries" OR NOT output MATCHES "Run-time error")
    list(APPEND failures "${PROBE} did not start beside planted libraries: ${errors}")
endif()

if(failures)
    list(JOIN failures "\n  " report)
    message(FATAL_ERROR "What reaches outside our own folders:\n  ${report}")
endif()
message(STATUS
    "${builtCount} built and ${installedElf} installed binaries search no working folder")
