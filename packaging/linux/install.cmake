# What the Debian package installs besides the program: the menu entry, the AppStream
# listing, the icons, the manual page, the copyright and the changelog.
include(GNUInstallDirs)

set(app_id ${TRIMWISE_APP_ID})
set(linux_dir ${CMAKE_CURRENT_LIST_DIR})
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/trimwise)

install(FILES ${linux_dir}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_dir}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The program finds Qt where Debian puts it; a run path would only let it pick up strangers.
set_property(TARGET trimwise PROPERTY INSTALL_RPATH "")
# A stripped install (CPack strips) drops the compiler's note too, as Debian's own strip does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/trimwise\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")

# The desktop finds the icon by the application id in the hicolor theme, one file per size.
foreach(size IN LISTS TRIMWISE_DESKTOP_ICON_SIZES)
    set(icon ${PROJECT_SOURCE_DIR}/assets/icons/trimwise-${size}.png)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "The ${size}x${size} desktop icon ${icon} is missing; "
                            "tools/artwork draws it (make artwork).")
    endif()
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${app_id}.png)
endforeach()

# Debian wants the manual page and the changelog compressed, without a time stamp inside,
# so that the package is the same whenever it is built.
find_program(TRIMWISE_GZIP gzip REQUIRED)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/linux)
configure_file(${linux_dir}/trimwise.1.in ${generated}/trimwise.1 @ONLY)
set(compressed)
foreach(page IN ITEMS ${generated}/trimwise.1 ${linux_dir}/changelog)
    get_filename_component(name ${page} NAME)
    add_custom_command(OUTPUT ${generated}/${name}.gz
                       COMMAND ${TRIMWISE_GZIP} -9n -c ${page} > ${generated}/${name}.gz
                       DEPENDS ${page}
                       COMMENT "Compressing ${name}")
    list(APPEND compressed ${generated}/${name}.gz)
endforeach()
add_custom_target(trimwise-linux-docs ALL DEPENDS ${compressed})

install(FILES ${generated}/trimwise.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package's version has no Debian revision, so Debian counts it as native and names its
# changelog changelog.gz.
install(FILES ${generated}/changelog.gz ${linux_dir}/copyright DESTINATION ${doc_dir})

# The hardening Debian builds its own programs with: checked string and memory calls, and
# relocations resolved and made read-only at start. Sanitized and unoptimised builds go
# without, as _FORTIFY_SOURCE needs the optimiser and gets in the sanitizers' way.
if(NOT TRIMWISE_SANITIZE)
    foreach(part IN ITEMS trimwise trimwise_ui trimwise_form trimwise_assets trimwise_calc)
        target_compile_definitions(${part} PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
        target_compile_options(${part} PRIVATE -fstack-protector-strong)
    endforeach()
    target_link_options(trimwise PRIVATE LINKER:-z,relro LINKER:-z,now)
endif()
