# Makes the Windows installer: lays the installation down in STAGE with the install rules of the
# build folder BUILD, checks that Sweepwright.cmd (SCRIPT) removes exactly what is there and that
# every program and library in it is stripped (OBJDUMP) and the whole no larger than
# MAX_INSTALLED_MB, runs MAKENSIS on INSTALLER to write OUTFILE, and checks that it is no larger
# than MAX_INSTALLER_MB.
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

# Every program and library without its debugging sections (OBJDUMP lists them).
set(binaries ${staged})
list(FILTER binaries INCLUDE REGEX "\\.(exe|dll)$")
foreach(file IN LISTS binaries)
    execute_process(COMMAND "${OBJDUMP}" -h "${STAGE}/${file}" OUTPUT_VARIABLE sections
        COMMAND_ERROR_IS_FATAL ANY)
    if(sections MATCHES " \\.z?debug_")
        message(FATAL_ERROR "${file} is installed with its debugging sections: strip it "
            "(x86_64-w64-mingw32-strip --strip-unneeded) in the install rules.")
    endif()
endforeach()

set(bytes 0)
foreach(file IN LISTS staged)
    file(SIZE "${STAGE}/${file}" size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
math(EXPR limit "${MAX_INSTALLED_MB} * 1024")
if(kilobytes GREATER limit)
    message(FATAL_ERROR "The installation is ${kilobytes} KiB, more than the "
        "${MAX_INSTALLED_MB} MiB allowed: is something shipped unstripped, or by mistake?")
endif()

execute_process(COMMAND "${MAKENSIS}" -V2 -NOCD "-DSTAGE=${STAGE}" "-DOUTFILE=${OUTFILE}"
    "-DINSTALLED_KB=${kilobytes}" "${INSTALLER}" COMMAND_ERROR_IS_FATAL ANY)

file(SIZE "${OUTFILE}" size)
math(EXPR installer_kilobytes "(${size} + 1023) / 1024")
math(EXPR limit "${MAX_INSTALLER_MB} * 1024")
get_filename_component(name "${OUTFILE}" NAME)
if(installer_kilobytes GREATER limit)
    file(REMOVE "${OUTFILE}")
    message(FATAL_ERROR "${name} is ${installer_kilobytes} KiB, more than the "
        "${MAX_INSTALLER_MB} MiB allowed.")
endif()
message(STATUS "${name}: ${installer_kilobytes} KiB, installing ${kilobytes} KiB")
