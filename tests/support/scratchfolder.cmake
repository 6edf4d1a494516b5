# SPDX-License-Identifier: MIT
# make_scratch_folder(<var>): sets <var> to a new, empty folder named after the one it held
# plus a suffix of its own. Two runs of one check at the same time then never install into,
# or empty, each other's folder.
function(make_scratch_folder var)
    get_filename_component(parent ${${var}} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    execute_process(COMMAND mktemp -d ${${var}}-XXXXXX RESULT_VARIABLE result
                    OUTPUT_VARIABLE folder OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cannot make a scratch folder beside ${${var}}")
    endif()
    set(${var} ${folder} PARENT_SCOPE)
endfunction()
