# velmora_version_resource(<template> <output> <title> <icon>)
# Writes a program's resource script from its template, with the version numbers of project()
# and the program's title, so that neither is typed twice. The template takes
# @PROJECT_VERSION_MAJOR@, @PROJECT_VERSION_MINOR@, @PROJECT_VERSION_PATCH@, @VERSION_TEXT@
# (major and two-digit minor, "1.00"), @PROGRAM_TITLE@, @ICON_PATH@ and @MANIFEST_PATH@, the
# application manifest every program of ours carries (packaging/windows/program.manifest).
function(velmora_version_resource template output title icon)
    set(PROGRAM_TITLE "${title}")
    if(PROJECT_VERSION_MINOR LESS 10)
        set(VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
    else()
        set(VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
    endif()
    get_filename_component(ICON_PATH "${icon}" ABSOLUTE)
    set(MANIFEST_PATH "${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest")
    configure_file("${template}" "${output}" @ONLY)
endfunction()

# velmora_windows_resources(<target> <template> <title> <icon>)
# Gives a program its resources: the script written from <template> (as above) is compiled into
# <target>.
function(velmora_windows_resources target template title icon)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    velmora_version_resource(${template} ${script} ${title} ${icon})
    target_sources(${target} PRIVATE ${script})
    # The resource compiler reports neither the icon nor the manifest as a dependency.
    get_filename_component(icon "${icon}" ABSOLUTE)
    set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS
        "${icon};${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest")
    if(MSVC)
        # The script carries the manifest; the linker would add a second one of its own.
        target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()
endfunction()
