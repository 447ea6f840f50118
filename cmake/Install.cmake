# Installing Velmor the freedesktop.org way (`cmake --install`, `make install`) and
# packaging it for Debian (`cpack`, `make package`). Only the program and its desktop
# files are installed: the static libraries are build steps, not a library to ship.
include(GNUInstallDirs)

# Directories made on the way get the usual 755 whatever the umask of the one who
# installs or packages: Debian expects no other mode on a package's folders.
set(velmor_directory_permissions
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${velmor_directory_permissions})

install(TARGETS velmor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
    return()
endif()

# Menu entries, file types and Debian packages are matters of the freedesktop.org
# desktops alone.
if(NOT UNIX OR APPLE)
    return()
endif()
add_subdirectory(${PROJECT_SOURCE_DIR}/data ${PROJECT_BINARY_DIR}/data)
# `make install` builds the program alone; its compressed documents come with it.
add_dependencies(velmor velmor_docs)

# A project that embeds Velmor packages itself.
if(NOT PROJECT_IS_TOP_LEVEL)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmor developers")
set(CPACK_PACKAGE_CONTACT "Velmor developers <dev@velmor.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmor.example/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skin editor for the Orvana one media player")
# Debian shows the lines as they are, so they stay below 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Velmor opens a skin of the Orvana one media player, versions 1.4 and 1.5,
checks that it has every section the player needs, shows every skin element
as a picture at its place on a mock-up of the player's pages, and lets you
move, resize and re-skin the elements. Saving rewrites only the keys the
editor owns: comments, unknown sections and the order of lines survive.

The skin check also runs without a window, for skin packs and continuous
integration: velmor --check lists every problem of a skin with its line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${velmor_directory_permissions})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps reads the libraries the binary links, so the Qt packages and their
# versions are those the program was built against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's dialogs read their German texts from Qt's own catalogues, which no library
# brings along.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
