# Everything beside the programs: the English texts next to the built program, the install
# rules and the Debian package ("make package" builds it with CPack).
#
# The layout is fixed, because the program finds its data files from its own folder:
# <prefix>/bin holds the programs and <prefix>/share/plastokinetica the help and theory pages
# and the English texts.
set(KX_DATAMAP share/plastokinetica)

if(TARGET plastokinetica)
    add_custom_command(TARGET plastokinetica POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_SOURCE_DIR}/translations/English.kxt $<TARGET_FILE_DIR:plastokinetica>)
    install(TARGETS plastokinetica kx-analyse-pdf RUNTIME DESTINATION bin)
    install(DIRECTORY pages/ DESTINATION ${KX_DATAMAP})
    install(FILES translations/English.kxt DESTINATION ${KX_DATAMAP})
    install(FILES packaging/nl.kx.Plastokinetica.desktop DESTINATION share/applications)
    install(FILES packaging/nl.kx.Plastokinetica.metainfo.xml DESTINATION share/metainfo)
    install(FILES packaging/nl.kx.Plastokinetica.xml DESTINATION share/mime/packages)
    foreach(maat 16 24 32 48 64 128 256)
        install(FILES packaging/icons/${maat}.png
            DESTINATION share/icons/hicolor/${maat}x${maat}/apps
            RENAME nl.kx.Plastokinetica.png)
    endforeach()
endif()
install(TARGETS kx-analyse RUNTIME DESTINATION bin)

# The manual pages, compressed as Debian wants them: at the highest level and without a time
# stamp, so that the package is the same from build to build.
set(KX_HANDLEIDINGEN kx-analyse)
if(TARGET plastokinetica)
    list(APPEND KX_HANDLEIDINGEN plastokinetica)
endif()
foreach(pagina IN LISTS KX_HANDLEIDINGEN)
    set(gepakt ${CMAKE_BINARY_DIR}/man/${pagina}.1.gz)
    add_custom_command(OUTPUT ${gepakt}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/man/${pagina}.1 > ${gepakt}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/man/${pagina}.1)
    list(APPEND KX_GEPAKTE_HANDLEIDINGEN ${gepakt})
    install(FILES ${gepakt} DESTINATION share/man/man1)
endforeach()
set(KX_WIJZIGINGEN ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${KX_WIJZIGINGEN}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${KX_WIJZIGINGEN}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(kx-documentatie ALL DEPENDS ${KX_GEPAKTE_HANDLEIDINGEN} ${KX_WIJZIGINGEN})
install(FILES ${KX_WIJZIGINGEN} packaging/copyright DESTINATION share/doc/plastokinetica)
if(TARGET kx-analyse-pdf)
    # kx-analyse-pdf takes the arguments of kx-analyse; its page is that one's.
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
    file(CREATE_LINK kx-analyse.1.gz ${CMAKE_BINARY_DIR}/man/kx-analyse-pdf.1.gz SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/man/kx-analyse-pdf.1.gz DESTINATION share/man/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plastokinetica)
set(CPACK_PACKAGE_VENDOR "Plastokinetica")
set(CPACK_PACKAGE_CONTACT "Plastokinetica developers <plastokinetica@kx.nl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plastic collapse analysis of plane frames by virtual work")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program for the plastic collapse analysis of plane frames by the
kinematic method. Students draw a small frame, give each bar its plastic moment
and place point loads; the program shows the degree of static indeterminacy,
every possible collapse mechanism, the virtual work equation and the collapse
load of each mechanism, and the governing one. The interface is Dutch or
English. kx-analyse prints the same analysis as a report, as JSON or as a CSV
table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs are stripped into the package and their debug symbols go to a package of their
# own (plastokinetica-dbgsym), which needs a build with them (RelWithDebInfo).
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# The fonts the drawings are measured in; the libraries come from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# Qt's own translations put its buttons and dialogs in the language of the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
