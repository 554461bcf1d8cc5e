# The Debian package, made with `cpack -G DEB` in a configured tree (scripts/package.sh
# builds one with Debian's flags). Its name and version come from the project, the vendor's
# names from the top CMakeLists.txt.

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${E2V_VENDOR})
set(CPACK_PACKAGE_CONTACT "${E2V_VENDOR} Packaging <packages@${E2V_VENDOR_DOMAIN}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.${E2V_VENDOR_DOMAIN}/${PROJECT_NAME}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert spreadsheet contact lists into vCard files")
# The package's long description: paragraphs apart by empty lines, lines kept under 80
# characters (CPack indents them as a control file wants).
set(CPACK_PACKAGE_DESCRIPTION [=[
A wizard window that turns a contact list kept in a spreadsheet into vCard
files that address books and phones import: pick the spreadsheet and see its
first rows, pair its header columns with contact fields, choose the vCard
version (2.1, 3.0 or 4.0), one file per contact or one for all, and convert.

The program reads the spreadsheet formats itself (no spreadsheet program is
needed): Office Open XML (.xlsx, .xlsm), Excel 97-2003 and 5/95 (.xls),
OpenDocument (.ods) and comma-separated values (.csv).

The package also holds excel2vcard-cli, which converts on the same engine
from the command line, for batch and scripted use.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # name_version_architecture.deb
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the libraries the programs link, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (file dialogs, Yes and No) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_STRIP_PROGRAM ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Directories the install makes get 0755 whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
