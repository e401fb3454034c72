# The Debian package (cpack -G DEB in the build directory): quarnel_<version>_amd64.deb.
# The library dependencies are computed from the binaries by dpkg-shlibdeps;
# added are what the program loads at run time without linking it: the Qt
# platform plugins and the Liberation fonts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarnel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Das Quarnel-Projekt")
set(CPACK_PACKAGE_CONTACT "Das Quarnel-Projekt <quarnel@quarnel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Einkommensteuererklärung 2001 erstellen und den Steuerbescheid prüfen")
set(CPACK_PACKAGE_DESCRIPTION
    "Mit Quarnel 2001/2002 erstellt eine Privatperson ihre Einkommensteuererklärung
für das Steuerjahr 2001 und prüft den Bescheid des Finanzamts: Eingabeseiten
nach dem amtlichen Vordruck, Berechnung auf den Pfennig, Steuerbescheid mit
Anlagen, Plausibilitätsprüfung und Formulardruck. Dazu gehört das
Befehlszeilenwerkzeug quarnel-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(QUARNEL_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation2")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
endif()
include(CPack)
