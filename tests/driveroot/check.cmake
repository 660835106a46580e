# Sweepwright at the root of a drive, as a user who unpacks it onto a stick would have it: the
# script beside it, "R:\Sweepwright.cmd", must run, and never the one in the working folder on the
# same drive, "R:\work\Sweepwright.cmd". "R:" without its backslash names that working folder,
# and from there no plugin may be loaded either: neither the platform's theme, which Qt looks for
# while the application object is made, nor an image reader, which it looks for later.
# Wine makes a drive of any folder through a link in its prefix's "dosdevices", as its
# configuration tool does.
#
#   cmake -DWINE=<wine> -DPROBE=<wizard_probe.exe> -DTHEME_MARKER=<dll> -DIMAGE_MARKER=<dll>
#         -DSCRATCH=<folder it may empty> -P check.cmake
# with WINEPREFIX and the rest of the tests' Wine environment set.

foreach(variable WINE PROBE THEME_MARKER IMAGE_MARKER SCRATCH)
    if(NOT ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()
if(NOT DEFINED ENV{WINEPREFIX} OR NOT IS_DIRECTORY "$ENV{WINEPREFIX}/dosdevices")
    message(FATAL_ERROR "WINEPREFIX does not name a Wine prefix: $ENV{WINEPREFIX}")
endif()

set(drive "$ENV{WINEPREFIX}/dosdevices/r:")
file(REMOVE_RECURSE "${SCRATCH}" "${drive}")
file(MAKE_DIRECTORY "${SCRATCH}/root/work")
file(CREATE_LINK "${SCRATCH}/root" "${drive}" SYMBOLIC)

file(COPY_FILE "${PROBE}" "${SCRATCH}/root/Sweepwright.exe")
# Qt under Wine finds its platform plugin beside the executable only, as an installed program's.
get_filename_component(probe_folder "${PROBE}" DIRECTORY)
file(COPY "${probe_folder}/platforms" DESTINATION "${SCRATCH}/root")
file(WRITE "${SCRATCH}/root/Sweepwright.cmd" "@echo off\r\necho ran> \"R:\\beside.txt\"\r\n")
file(WRITE "${SCRATCH}/root/work/Sweepwright.cmd" "@echo off\r\necho ran> \"R:\\decoy.txt\"\r\n")
file(COPY "${THEME_MARKER}" DESTINATION "${SCRATCH}/root/work/platformthemes")
file(COPY "${IMAGE_MARKER}" DESTINATION "${SCRATCH}/root/work/imageformats")

# The probe clicks through both pages at once; what a message box would say goes to its output.
execute_process(
    COMMAND "${WINE}" cmd.exe /d /c "cd /d R:\\work && R:\\Sweepwright.exe"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 120)

# The script runs on its own, after the wizard has ended.
foreach(attempt RANGE 100)
    if(EXISTS "${SCRATCH}/root/beside.txt")
        break()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.2)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
file(REMOVE "${drive}")

set(failures "")
if(NOT status EQUAL 0)
    list(APPEND failures "the wizard ended with ${status}")
endif()
if(NOT output STREQUAL "")
    list(APPEND failures "the wizard said: ${output}")
endif()
if(NOT EXISTS "${SCRATCH}/root/beside.txt")
    list(APPEND failures "the script beside the wizard, R:\\Sweepwright.cmd, did not run")
endif()
if(EXISTS "${SCRATCH}/root/decoy.txt")
    list(APPEND failures "the working folder's script, R:\\work\\Sweepwright.cmd, ran")
endif()
file(GLOB_RECURSE loaded "${SCRATCH}/root/work/*.loaded")
if(loaded)
    list(APPEND failures "plugins in the working folder were loaded: ${loaded}")
endif()
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Sweepwright at a drive's root:\n  ${text}\n${errors}")
endif()
message(STATUS "The script beside Sweepwright at R:\\ ran, and only that one; no plugin of the working folder was loaded.")
