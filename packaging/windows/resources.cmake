# Generates trimwise-icon.rc, the icon resources that trimwise.rc includes, into out_dir.
function(trimwise_icon_resources out_dir)
    set(icon ${PROJECT_SOURCE_DIR}/assets/WindowIcon.ico)
    set(splitter ${PROJECT_SOURCE_DIR}/packaging/windows/split-icon.cmake)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "The application icon ${icon} is missing; "
                            "tools/artwork draws it (make artwork).")
    endif()
    add_custom_command(
        OUTPUT ${out_dir}/trimwise-icon.rc
        COMMAND ${CMAKE_COMMAND} -D ICO=${icon} -D OUT=${out_dir}/trimwise-icon.rc -P ${splitter}
        DEPENDS ${icon} ${splitter}
        COMMENT "Splitting WindowIcon.ico into icon resources"
        VERBATIM)
endfunction()
