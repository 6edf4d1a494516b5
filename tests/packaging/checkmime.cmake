# SPDX-License-Identifier: MIT
# The project file type compiles into a MIME database without complaint, and the database
# knows .mvx files by name and by their first eight bytes (the version 1.3 or 1.2).
# A data folder of its own, named as a desktop's search path so the tool has no remark on it.
file(REMOVE_RECURSE ${DATA})
set(OUT ${DATA}/mime)
file(MAKE_DIRECTORY ${OUT}/packages)
configure_file(${MIME_FILE} ${OUT}/packages/org.zidov.Zidov.xml COPYONLY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${DATA} XDG_DATA_DIRS=${DATA}
                        ${UPDATE_MIME_DATABASE} ${OUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE findings ERROR_VARIABLE findings)
if(NOT result EQUAL 0 OR NOT findings STREQUAL "")
    message(FATAL_ERROR "update-mime-database (status ${result}):\n${findings}")
endif()
file(READ ${OUT}/globs2 globs)
if(NOT globs MATCHES "\n50:application/x-zidov-project:\\*\\.mvx\n")
    message(FATAL_ERROR "no glob for *.mvx in:\n${globs}")
endif()
file(READ ${OUT}/magic magic HEX)
foreach(bytes 3ff4cccccccccccd 3ff3333333333333)
    string(SUBSTRING ${bytes} 0 8 first)
    string(SUBSTRING ${bytes} 8 8 second)
    if(NOT magic MATCHES "${first}.*${second}")
        message(FATAL_ERROR "no magic for the version bytes ${bytes}")
    endif()
endforeach()
file(READ ${OUT}/application/x-zidov-project.xml type)
foreach(part "<comment>Zidov project</comment>" "<icon name=\"application-x-zidov-project\"/>")
    string(FIND "${type}" "${part}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the type lacks ${part}:\n${type}")
    endif()
endforeach()
