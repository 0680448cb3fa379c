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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plastokinetica)
set(CPACK_PACKAGE_VENDOR "Plastokinetica")
set(CPACK_PACKAGE_CONTACT "Plastokinetica developers <plastokinetica@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plastic collapse analysis of plane frames by virtual work")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program for the plastic collapse analysis of plane frames by the kinematic method.
Students draw a small frame, give each bar its plastic moment and place point loads; the program
shows the degree of static indeterminacy, every possible collapse mechanism, the virtual work
equation and the collapse load of each mechanism, and the governing one. The interface is Dutch
or English. kx-analyse prints the same analysis as a report or as JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the drawings are measured in; the libraries come from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# Qt's own translations put its buttons and dialogs in the language of the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
