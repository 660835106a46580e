# What the programs need beside them to run on a Windows machine without Qt or MinGW: Qt's
# libraries, the windows platform plugin, the Windows styles and MinGW's C++ run time. Nothing
# more: the other plugins Qt was built with are of no use to these programs.

# velmora_mingw_runtime(<out>): the full paths of MinGW's run-time libraries the programs load.
function(velmora_mingw_runtime out)
    set(files "")
    foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(
            COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "MinGW's run-time library ${library} was not found")
        endif()
        file(REAL_PATH "${path}" path)
        list(APPEND files "${path}")
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# velmora_stripped_mingw_runtime(<out>): the same libraries as they are shipped, made once by the
# target mingw_runtime in the build folder's mingw-runtime/: without their debugging sections,
# which are nine tenths of libstdc++-6.dll as the compiler's package carries it (23.7 MB, and 1.9
# stripped). The sections are kept in symbols/, which each stripped library names (its
# .gnu_debuglink), for reading a crash report.
function(velmora_stripped_mingw_runtime out)
    set(folder ${CMAKE_BINARY_DIR}/mingw-runtime)
    set(symbols ${CMAKE_BINARY_DIR}/symbols)
    velmora_mingw_runtime(files)
    set(stripped "")
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME)
        list(APPEND stripped ${folder}/${name})
    endforeach()
    if(NOT TARGET mingw_runtime)
        set(outputs "")
        foreach(file IN LISTS files)
            get_filename_component(name ${file} NAME)
            add_custom_command(OUTPUT ${folder}/${name} ${symbols}/${name}.debug
                COMMAND ${CMAKE_COMMAND} -E make_directory ${folder} ${symbols}
                COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${file} ${symbols}/${name}.debug
                COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${folder}/${name} ${file}
                COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${symbols}/${name}.debug
                    ${folder}/${name}
                DEPENDS ${file}
                COMMENT "Stripping ${name}"
                VERBATIM)
            list(APPEND outputs ${folder}/${name})
        endforeach()
        add_custom_target(mingw_runtime ALL DEPENDS ${outputs})
    endif()
    set(${out} ${stripped} PARENT_SCOPE)
endfunction()

# velmora_install_windows_runtime(): installs the run time beside the programs.
function(velmora_install_windows_runtime)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
        LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
        LIBRARY DESTINATION styles RUNTIME DESTINATION styles)
    velmora_stripped_mingw_runtime(files)
    install(FILES ${files} DESTINATION .)
endfunction()

# velmora_stage_windows_runtime(<target> <folder>): a target that lays the same run time, with
# QtTest and the offscreen platform plugin for the tests, into one folder of the build tree,
# where Wine's search path (WINEPATH) and Qt's (QT_PLUGIN_PATH) find it for every program built.
function(velmora_stage_windows_runtime target folder)
    velmora_stripped_mingw_runtime(files)
    add_custom_target(${target} ALL
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/platforms ${folder}/styles
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            $<TARGET_FILE:Qt6::Test> ${files} ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${folder}/platforms
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> ${folder}/styles
        VERBATIM)
    add_dependencies(${target} mingw_runtime)
    # The offscreen platform sees no font of the system, on Windows as under Wine: the tests
    # find the forms' stand-in faces where an installed program would, in its own fonts/.
    set(faces)
    foreach(face ms_sans_serif.ttf tahoma.ttf tahomabd.ttf)
        if(EXISTS /usr/share/wine/fonts/${face})
            list(APPEND faces /usr/share/wine/fonts/${face})
        endif()
    endforeach()
    if(faces)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/fonts
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${faces} ${folder}/fonts
            VERBATIM)
    endif()
endfunction()
