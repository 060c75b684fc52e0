# Builds the installer the same, byte for byte, wherever and whenever it runs (cmake -P):
#   -D WIXL= -D MSIBUILD= -D MSIINFO= -D FAKETIME= -D SOURCE_DIR= -D WXS= -D VERSION=
#   -D DESCRIPTION= -D PROGRAM= -D ICON= -D STAGE= -D OUTPUT=
# wixl draws both codes at random and stamps the clock, and the cabinet the program's file
# time. Here the product code follows the version, the package code the version and contents,
# and every time is the last commit's, as in the .deb.
set(CPACK_TRIMWISE_SOURCE_DIR ${SOURCE_DIR})
include(${SOURCE_DIR}/packaging/linux/cpack-source-date.cmake)
string(TIMESTAMP build_time "%Y-%m-%d %H:%M:%S" UTC)

# The upgrade code names the product for good, so the other two are made in its name space.
file(STRINGS ${WXS} upgrade_line REGEX "UpgradeCode=\"{[-0-9A-F]+}\"")
string(REGEX REPLACE ".*UpgradeCode=\"{([-0-9A-F]+)}\".*" "\\1" upgrade_code "${upgrade_line}")
string(UUID product_code NAMESPACE ${upgrade_code} NAME "product ${VERSION}" TYPE SHA1 UPPER)
set(contents "package ${VERSION} ${DESCRIPTION}")
foreach(input ${PROGRAM} ${ICON} ${WXS})
    file(SHA256 ${input} digest)
    string(APPEND contents " ${digest}")
endforeach()
string(UUID package_code NAMESPACE ${upgrade_code} NAME "${contents}" TYPE SHA1 UPPER)

# wixl takes no absolute file names; the copies carry the commit's time and one mode.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
foreach(input ${PROGRAM} ${ICON})
    get_filename_component(name ${input} NAME)
    file(COPY ${input} DESTINATION ${STAGE} NO_SOURCE_PERMISSIONS)
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${STAGE}/${name}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
get_filename_component(program_name ${PROGRAM} NAME)
get_filename_component(icon_name ${ICON} NAME)

# The clock stands still at the commit's time: started there, it would tick on while a busy
# machine runs the tools, and stamp a later second. GLib's timeouts keep the real monotonic
# clock. The files keep their own times (libfaketime of Debian 13 would shift them by the
# clock's offset, which differs from build to build).
set(at_commit_time ${CMAKE_COMMAND} -E env TZ=UTC NO_FAKE_STAT=1 ${FAKETIME} -m
                   --exclude-monotonic -f "${build_time}")
set(built ${STAGE}/installer.msi)
execute_process(COMMAND ${at_commit_time} ${WIXL} --arch x64 -D Version=${VERSION}
                        -D "Description=${DESCRIPTION}" -D ProductCode={${product_code}}
                        -D ProgramFile=${program_name} -D IconFile=${icon_name} -o ${built} ${WXS}
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
# wixl ignores the Package's Id: msibuild sets the package code, the rest of the summary
# given back as wixl wrote it.
execute_process(COMMAND ${MSIINFO} suminfo ${built} OUTPUT_VARIABLE summary
                COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
    string(REGEX MATCH "\n${field}: ([^\n]*)" line "\n${summary}")
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
execute_process(COMMAND ${at_commit_time} ${MSIBUILD} ${built}
                        -s "${Subject}" "${Author}" "${Template}" {${package_code}}
                COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${built} ${OUTPUT} ONLY_IF_DIFFERENT)
