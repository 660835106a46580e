# The checks of the Windows resources, for the resource scripts alone (tests/win32) and for the
# programs and the installer as built (tests): the icons and what each holds.
find_program(VELMORA_ICOTOOL icotool)
find_program(VELMORA_WRESTOOL wrestool)
foreach(tool VELMORA_ICOTOOL VELMORA_WRESTOOL)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} was not found: run scripts/setup.sh windows-tests or "
                            "windows, which install icoutils.")
    endif()
endforeach()
set(VELMORA_CHECKICON ${CMAKE_CURRENT_LIST_DIR}/checkicon.cmake)

# Each icon holds its palette images of old first, then true colour ones for today's screens
# and scales.
set(true_colour_icon 256x256x32 48x48x32 32x32x32 24x24x32 16x16x32)
set(velmora_icon 32x32x1 32x32x4 16x16x4 ${true_colour_icon})
set(sweepwright_icon 48x48x8 32x32x8 16x16x8 ${true_colour_icon})
set(Velmora_icon ${velmora_icon})
set(Sweepwright_icon ${sweepwright_icon})
set(remove-velmora_icon ${sweepwright_icon})

# velmora_icon_check(<name> <.ico or .exe> <entries...>): each entry "<width>x<height>x<bits per
# pixel>", in the order of the icon group; an executable must carry exactly one icon group.
function(velmora_icon_check name file)
    add_test(NAME icon_${name}
        COMMAND ${CMAKE_COMMAND} -DICOTOOL=${VELMORA_ICOTOOL} -DWRESTOOL=${VELMORA_WRESTOOL}
            -DFILE=${file} "-DEXPECTED=${ARGN}" -P ${VELMORA_CHECKICON})
endfunction()
