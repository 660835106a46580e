# velmora_version_resource(<template> <output> <title> <icon>)
# Writes a program's resource script from its template, with the version numbers of project()
# and the program's title, so that neither is typed twice. The template takes
# @PROJECT_VERSION_MAJOR@, @PROJECT_VERSION_MINOR@, @PROJECT_VERSION_PATCH@, @VERSION_TEXT@
# (major and two-digit minor, "1.00"), @PROGRAM_TITLE@ and @ICON_PATH@.
function(velmora_version_resource template output title icon)
    set(PROGRAM_TITLE "${title}")
    if(PROJECT_VERSION_MINOR LESS 10)
        set(VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
    else()
        set(VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
    endif()
    get_filename_component(ICON_PATH "${icon}" ABSOLUTE)
    configure_file("${template}" "${output}" @ONLY)
endfunction()
