# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that a desktop finds everything.
include(${CMAKE_CURRENT_LIST_DIR}/../support/scratchfolder.cmake)
make_scratch_folder(PREFIX)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/Zidov
    bin/zidov-render
    share/applications/org.zidov.Zidov.desktop
    share/metainfo/org.zidov.Zidov.metainfo.xml
    share/icons/hicolor/48x48/apps/org.zidov.Zidov.png
    share/icons/hicolor/256x256/apps/org.zidov.Zidov.png
    share/icons/hicolor/scalable/apps/org.zidov.Zidov.svg
    share/mime/packages/org.zidov.Zidov.xml
    share/icons/hicolor/48x48/mimetypes/application-x-zidov-project.png
    share/icons/hicolor/scalable/mimetypes/application-x-zidov-project.svg)
foreach(path ${expected})
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
