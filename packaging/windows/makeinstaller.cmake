# Makes the Windows installer: lays the installation down in STAGE with the install rules of the
# build folder BUILD, checks that the list remove-velmora.exe is built with (LIST) names exactly
# what is there and that every program and library in it is stripped (OBJDUMP) and the whole no
# larger than MAX_INSTALLED_MB, signs them when SIGN_CERTIFICATE is given, runs MAKENSIS on
# INSTALLER to write OUTFILE, checks that it is no larger than MAX_INSTALLER_MB, and signs it too.
#
# Signing: SIGN_CERTIFICATE names a PKCS#12 file (.pfx) whose password is in the environment
# variable VELMORA_SIGN_PASSWORD, OSSLSIGNCODE the signing tool, and SIGN_TIMESTAMP, if not
# empty, the address of an RFC 3161 time-stamp server. NSIS's plug-ins, which the installer
# unpacks and loads while it runs, are signed too: copies of them, in STAGE's sibling folder
# "plugins", which makensis is told to take instead of its own.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${STAGE}" --strip
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# The list, one file a line, folders separated by backslashes; and the removal's own two files.
file(STRINGS "${LIST}" listed REGEX "^[^#]")
list(TRANSFORM listed REPLACE "\\\\" "/")
list(APPEND listed Sweepwright.cmd remove-velmora.exe)
list(SORT listed CASE INSENSITIVE)
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT staged CASE INSENSITIVE)
if(NOT listed STREQUAL staged)
    set(missing ${staged})
    list(REMOVE_ITEM missing ${listed})
    set(extra ${listed})
    list(REMOVE_ITEM extra ${staged})
    message(FATAL_ERROR "remove-velmora.exe and the installer disagree on what is installed.\n"
        "  Installed, but not removed: ${missing}\n"
        "  Removed, but not installed: ${extra}\n"
        "Mend the list ${LIST}.")
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

# sign(<file>): signs the file in place, with the certificate's password given on standard
# input, not on a command line that every user of the machine can read.
function(sign file)
    set(options -h sha256 -n "${TITLE}")
    if(SIGN_TIMESTAMP)
        list(APPEND options -ts "${SIGN_TIMESTAMP}")
    endif()
    execute_process(
        COMMAND sh -c "printf '%s' \"$VELMORA_SIGN_PASSWORD\" | \"$0\" \"$@\""
            "${OSSLSIGNCODE}" sign -pkcs12 "${SIGN_CERTIFICATE}" -readpass /dev/stdin
            ${options} -in "${file}" -out "${file}.signed"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        file(REMOVE "${file}.signed")
        message(FATAL_ERROR "${file} could not be signed with ${SIGN_CERTIFICATE} (is "
            "VELMORA_SIGN_PASSWORD its password?):\n${output}")
    endif()
    file(RENAME "${file}.signed" "${file}")
endfunction()

set(plugins "")
if(SIGN_CERTIFICATE)
    foreach(file IN LISTS binaries)
        sign("${STAGE}/${file}")
    endforeach()
    execute_process(COMMAND "${MAKENSIS}" -HDRINFO OUTPUT_VARIABLE info COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "NSISDIR=([^,\n]*)" _ "${info}")
    get_filename_component(plugins "${STAGE}/../plugins" ABSOLUTE)
    file(REMOVE_RECURSE "${plugins}")
    file(GLOB nsis_plugins "${CMAKE_MATCH_1}/Plugins/amd64-unicode/*.dll")
    if(NOT nsis_plugins)
        message(FATAL_ERROR "NSIS's plug-ins were not found in ${CMAKE_MATCH_1}/Plugins/amd64-unicode.")
    endif()
    file(COPY ${nsis_plugins} DESTINATION "${plugins}")
    file(GLOB copies "${plugins}/*.dll")
    foreach(file IN LISTS copies)
        sign("${file}")
    endforeach()
    set(plugins "-DPLUGINS=${plugins}")
endif()

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

# The script and the texts it includes are UTF-8, whatever the machine's own encoding.
execute_process(COMMAND "${MAKENSIS}" -V2 -NOCD -INPUTCHARSET UTF8 "-DSTAGE=${STAGE}"
    "-DOUTFILE=${OUTFILE}" "-DINSTALLED_KB=${kilobytes}" ${plugins} "${INSTALLER}"
    COMMAND_ERROR_IS_FATAL ANY)
if(SIGN_CERTIFICATE)
    sign("${OUTFILE}")
endif()

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
if(NOT SIGN_CERTIFICATE)
    message(STATUS "${name} and the programs and libraries in it are not signed: "
        "scripts/package.sh windows --sign <certificate.pfx> signs them.")
endif()
