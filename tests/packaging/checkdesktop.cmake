# SPDX-License-Identifier: MIT
# The desktop file passes its validator, opens project files, and its "Deutsch" action starts
# the German launcher with them.
execute_process(COMMAND ${VALIDATOR} ${DESKTOP_FILE} RESULT_VARIABLE result
                OUTPUT_VARIABLE findings ERROR_VARIABLE findings)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate:\n${findings}")
endif()
file(READ ${DESKTOP_FILE} entry)
foreach(line "Exec=Zidov %f" "MimeType=application/x-zidov-project;" "Actions=deutsch;"
        "[Desktop Action deutsch]" "Name=Deutsch" "Name[de]=Deutsch" "Exec=Zidov_de.exe %f")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop file lacks the line ${line}")
    endif()
endforeach()
