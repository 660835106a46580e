# Fails when a catalogue is out of date with the sources or not finished: lupdate, run on a copy
# of each catalogue, must change nothing; no message may be unfinished or vanished; and lrelease
# must build each without a word of warning.
#
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=... -DSCRATCH=... -DLANGUAGES="de;fr" -P check.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(failures "")
foreach(language IN LISTS LANGUAGES)
    set(committed ${SOURCE_DIR}/translations/velmora_${language}.ts)
    set(copy ${SCRATCH}/velmora_${language}.ts)
    file(COPY_FILE ${committed} ${copy})
    execute_process(
        COMMAND ${LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h,ui
            countdown uninstaller platform -ts ${copy}
        WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
    file(READ ${committed} before)
    file(READ ${copy} after)
    if(NOT result EQUAL 0 OR NOT before STREQUAL after)
        string(APPEND failures "  velmora_${language}.ts is out of date with the sources: build "
            "the target update_translations and translate what it adds\n")
    endif()
    string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" open "${after}")
    list(LENGTH open count)
    if(count GREATER 0)
        string(APPEND failures "  velmora_${language}.ts has ${count} unfinished or vanished messages\n")
    endif()
    execute_process(
        COMMAND ${LRELEASE} ${committed} -qm ${SCRATCH}/velmora_${language}.qm
        OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE result)
    string(REGEX REPLACE "Updating '[^']*'\\.\\.\\.\n" "" said "${said}")
    string(REGEX REPLACE "    Generated [0-9]+ translation\\(s\\) \\([0-9]+ finished and 0 unfinished\\)\n" "" said "${said}")
    if(NOT result EQUAL 0 OR NOT said STREQUAL "")
        string(APPEND failures "  lrelease on velmora_${language}.ts said:\n${said}\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "The catalogues need work:\n${failures}")
endif()
