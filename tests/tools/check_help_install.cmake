# SPDX-License-Identifier: MIT
# Installs the help component into a scratch prefix and checks that the pages arrive in
# <prefix>/share/zidov/docs/links, the folder the program searches from <prefix>/bin.
include(${CMAKE_CURRENT_LIST_DIR}/../support/scratchfolder.cmake)
make_scratch_folder(PREFIX)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component help --prefix ${PREFIX}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing the help pages failed: ${result}")
endif()
foreach(page Zidov0.14ruri.html ZidovTutorial.html Zidov0.14ruri_de.html ZidovTutorial_de.html)
    if(NOT EXISTS ${PREFIX}/share/zidov/docs/links/${page})
        message(FATAL_ERROR "${page} is not installed in ${PREFIX}/share/zidov/docs/links")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
