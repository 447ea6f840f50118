# On Windows Velmor is two programs from one source. velmor.exe is a window program:
# started from the Start menu or by a double click on a skin it opens no console.
# velmor.com is the same program as a console program, for the command line: cmd and
# PowerShell look for .com before .exe, so `velmor --check skin.lkv` typed there runs it,
# waits for it, prints its output and sets its exit status, as on Linux. (A window
# program that attaches to its parent's console cannot do that: the shell does not wait
# for it, so its output lands after the next prompt and its exit status is lost.)
function(velmor_windows_resource target description filename)
    set(VELMOR_RC_DESCRIPTION "${description}")
    set(VELMOR_RC_FILENAME "${filename}")
    set(rc ${PROJECT_BINARY_DIR}/generated/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/velmor.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()

set_target_properties(velmor PROPERTIES WIN32_EXECUTABLE ON)
velmor_windows_resource(velmor "Skin-Editor" velmor.exe)

add_executable(velmor_console app/main.cpp)
target_link_libraries(velmor_console PRIVATE velmor_app)
target_compile_options(velmor_console PRIVATE ${velmor_warnings})
set_target_properties(velmor_console PROPERTIES OUTPUT_NAME velmor SUFFIX .com)
velmor_windows_resource(velmor_console "Skin-Editor (Kommandozeile)" velmor.com)
