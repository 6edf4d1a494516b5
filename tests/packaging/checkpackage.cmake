# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree, checks what it holds and, where lintian is
# installed, that Debian's checker has nothing to complain about.
include(${CMAKE_CURRENT_LIST_DIR}/../support/scratchfolder.cmake)
make_scratch_folder(OUT)
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs ${OUT}/zidov_*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages (status ${result}):\n${log}")
endif()

execute_process(COMMAND ${DPKG_DEB} --contents ${debs} OUTPUT_VARIABLE listing)
set(expected
    "usr/bin/Zidov\n"
    "usr/bin/Zidov_de.exe -> Zidov\n"
    "usr/share/applications/org.zidov.Zidov.desktop\n"
    "usr/share/metainfo/org.zidov.Zidov.metainfo.xml\n"
    "usr/share/icons/hicolor/48x48/apps/org.zidov.Zidov.png\n"
    "usr/share/icons/hicolor/scalable/apps/org.zidov.Zidov.svg\n"
    "usr/share/mime/packages/org.zidov.Zidov.xml\n"
    "usr/share/icons/hicolor/48x48/mimetypes/application-x-zidov-project.png\n"
    "usr/share/man/man1/Zidov.1.gz\n"
    "usr/share/man/man1/Zidov_de.exe.1.gz -> Zidov.1.gz\n"
    "usr/share/zidov/translations/Zidov_de.qm\n"
    "usr/share/zidov/docs/links/Zidov0.14ruri.html\n"
    "usr/share/zidov/docs/links/ZidovTutorial.html\n"
    "usr/share/zidov/docs/links/Zidov0.14ruri_de.html\n"
    "usr/share/zidov/docs/links/ZidovTutorial_de.html\n"
    "usr/share/doc/zidov/copyright\n"
    "usr/share/doc/zidov/changelog.gz\n")
if(RENDER)
    list(APPEND expected "usr/bin/zidov-render\n" "usr/share/man/man1/zidov-render.1.gz\n")
endif()
foreach(entry ${expected})
    string(FIND "${listing}" "./${entry}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks ${entry}in:\n${listing}")
    endif()
endforeach()

# The libraries come from dpkg-shlibdeps, the run-time extras from the package's own list.
execute_process(COMMAND ${DPKG_DEB} --field ${debs} Depends OUTPUT_VARIABLE depends)
foreach(package libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n)
    if(NOT depends MATCHES "(^|, )${package}( |,|\n)")
        message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
    endif()
endforeach()

if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} ${debs} RESULT_VARIABLE result
                    OUTPUT_VARIABLE findings ERROR_VARIABLE findings)
    if(NOT result EQUAL 0 OR findings MATCHES "(^|\n)[EW]: ")
        message(FATAL_ERROR "lintian (status ${result}):\n${findings}")
    endif()
endif()
file(REMOVE_RECURSE ${OUT})
