# Installing Velmor on Windows (`cmake --install`) and its installer (`cpack`, CPack's
# NSIS generator, NSIS 3 on the PATH). The installed folder runs on a machine without
# Qt or a compiler: Qt's DLLs and plugins, libzip's DLLs and the compiler's runtime lie
# beside velmor.exe. docs/windows.md tells how to build it.

# The demo skins that new skins start from, where the program looks for them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/velmor/templates)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION share/doc/velmor)

# libzip's DLL and what it links in turn (zlib, bzip2, ...), found beside it; the
# system's own DLLs stay out.
get_target_property(velmor_zip_type libzip::zip TYPE)
if(velmor_zip_type STREQUAL "SHARED_LIBRARY")
    install(IMPORTED_RUNTIME_ARTIFACTS libzip::zip RUNTIME_DEPENDENCY_SET velmor_zip_dlls
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(RUNTIME_DEPENDENCY_SET velmor_zip_dlls
            DESTINATION ${CMAKE_INSTALL_BINDIR}
            DIRECTORIES $<TARGET_FILE_DIR:libzip::zip>
            PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
            POST_EXCLUDE_REGEXES "[Ss]ystem32")
endif()

# windeployqt of the Qt kit the program was built with copies Qt's DLLs, the platform
# and style plugins, Qt's own translations and the compiler's runtime beside the
# installed program; at install time, so that CPack's staging folder gets them too.
get_target_property(velmor_qmake Qt6::qmake IMPORTED_LOCATION)
get_filename_component(velmor_qt_bin "${velmor_qmake}" DIRECTORY)
find_program(VELMOR_WINDEPLOYQT NAMES windeployqt windeployqt6 windeployqt-qt6
             HINTS "${velmor_qt_bin}" REQUIRED)
install(CODE "
    execute_process(
        COMMAND \"${VELMOR_WINDEPLOYQT}\" --no-system-d3d-compiler --no-opengl-sw
                \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/velmor.exe\"
        RESULT_VARIABLE velmor_deployed)
    if(NOT velmor_deployed EQUAL 0)
        message(FATAL_ERROR \"windeployqt failed\")
    endif()")

# A project that embeds Velmor packages itself.
if(NOT PROJECT_IS_TOP_LEVEL)
    return()
endif()

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Velmor)
set(CPACK_PACKAGE_VENDOR "Velmor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Skin editor for the Orvana one media player")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmor)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# A start menu entry "Velmor" for bin\velmor.exe, and the same program's icon in
# "Apps & features".
set(CPACK_PACKAGE_EXECUTABLES velmor Velmor)
set(CPACK_NSIS_DISPLAY_NAME Velmor)
set(CPACK_NSIS_PACKAGE_NAME Velmor)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\velmor.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
