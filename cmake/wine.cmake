# velmora_wine_fixture(<environment variable> [<runtime folder>]): runs the build's Windows
# programs under Wine, in a prefix of the build's own that the test "wine_prefix" makes before the
# first test that names the fixture "wine", and whose server "wine_stop" ends after the last.
# Appends to the list in <environment variable> what every such test needs in its environment,
# with the folder that holds the DLLs, if any, on Wine's search path.
function(velmora_wine_fixture environment)
    find_program(VELMORA_WINE wine)
    find_program(VELMORA_WINESERVER NAMES wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(VELMORA_WINESERVER wineserver)
    foreach(tool VELMORA_WINE VELMORA_WINESERVER)
        if(NOT ${tool})
            message(FATAL_ERROR "${tool} was not found: run scripts/setup.sh windows, which "
                                "installs wine and wine64.")
        endif()
    endforeach()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE} PARENT_SCOPE)

    set(prefix ${CMAKE_CURRENT_BINARY_DIR}/wineprefix)
    set(wine_environment
        "WINEPREFIX=${prefix}"
        "WINEDEBUG=-all"
        "WINEDLLOVERRIDES=mscoree,mshtml=")
    if(ARGC GREATER 1)
        string(REPLACE "/" "\\" windows_runtime "Z:${ARGV1}")
        list(APPEND wine_environment "WINEPATH=${windows_runtime}")
    endif()
    add_test(NAME wine_prefix
        COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/prefix.sh ${VELMORA_WINESERVER})
    # The server may have gone by itself already, which wineserver reports as a failure.
    add_test(NAME wine_stop COMMAND sh -c "\"$0\" --kill || true" ${VELMORA_WINESERVER})
    set_tests_properties(wine_prefix PROPERTIES
        FIXTURES_SETUP wine ENVIRONMENT "${wine_environment}")
    set_tests_properties(wine_stop PROPERTIES
        FIXTURES_CLEANUP wine ENVIRONMENT "${wine_environment}")
    set(${environment} ${${environment}} ${wine_environment} PARENT_SCOPE)
endfunction()
