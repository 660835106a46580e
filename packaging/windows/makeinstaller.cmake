# Makes the Windows installer: lays the installation down in STAGE with the install rules of the
# build folder BUILD, checks that Sweepwright.cmd (SCRIPT) removes exactly what is there, and
# runs MAKENSIS on INSTALLER to write OUTFILE.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${STAGE}" --strip
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# The script's list, as it names the files: separated by blanks, folders by backslashes.
file(STRINGS "${SCRIPT}" line REGEX "^set \"files=")
string(REGEX REPLACE "^set \"files=([^\"]*)\".*" "\\1" listed "${line}")
string(REPLACE "\\" "/" listed "${listed}")
separate_arguments(listed)
list(APPEND listed Sweepwright.cmd sweepwright-report.exe)
list(SORT listed CASE INSENSITIVE)
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT staged CASE INSENSITIVE)
if(NOT listed STREQUAL staged)
    set(missing ${staged})
    list(REMOVE_ITEM missing ${listed})
    set(extra ${listed})
    list(REMOVE_ITEM extra ${staged})
    message(FATAL_ERROR "Sweepwright.cmd and the installer disagree on what is installed.\n"
        "  Installed, but not removed by the script: ${missing}\n"
        "  Removed by the script, but not installed: ${extra}\n"
        "Mend the list \"files\" in packaging/windows/Sweepwright.cmd.")
endif()

set(bytes 0)
foreach(file IN LISTS staged)
    file(SIZE "${STAGE}/${file}" size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")

execute_process(COMMAND "${MAKENSIS}" -V2 -NOCD "-DSTAGE=${STAGE}" "-DOUTFILE=${OUTFILE}"
    "-DINSTALLED_KB=${kilobytes}" "${INSTALLER}" COMMAND_ERROR_IS_FATAL ANY)
