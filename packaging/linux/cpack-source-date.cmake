# Read by cpack before it makes the package. The DEB generator stamps the files, the archives
# and their members with SOURCE_DATE_EPOCH, and with the clock without it. Without one in the
# environment, the time is the last commit's date, or for sources without git (as from a
# tarball) the newest changelog entry's, where Debian's own package builds take it from.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
set(source_dir ${CPACK_TRIMWISE_SOURCE_DIR})
if(EXISTS ${source_dir}/.git)
    find_program(git_program git)
    if(git_program)
        execute_process(COMMAND ${git_program} -c log.showSignature=false log -1 --format=%ct
                        WORKING_DIRECTORY ${source_dir}
                        OUTPUT_VARIABLE epoch ERROR_VARIABLE error
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(WARNING "No date of the last commit from git (${error}); the package's files "
                        "get the changelog's date instead.")
    endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    execute_process(COMMAND dpkg-parsechangelog --file ${source_dir}/packaging/linux/changelog
                            --show-field Timestamp
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
