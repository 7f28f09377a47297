# Copies shipped files (settings, help pages) into the build tree where an installation keeps them,
# so the build tree runs like an installation. Each copy follows its source on every build.
function(spectavo_ship_files target destination pattern what)
    file(GLOB _files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
    set(_copied "")
    foreach(_file IN LISTS _files)
        get_filename_component(_name ${_file} NAME)
        set(_out ${destination}/${_name})
        add_custom_command(OUTPUT ${_out}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_file} ${_out}
            DEPENDS ${_file}
            COMMENT "Copying ${what} ${_name}")
        list(APPEND _copied ${_out})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${_copied})
endfunction()
