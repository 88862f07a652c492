# What Windows users download: `cpack -G ZIP` in the Windows build tree packs Trellic.exe
# with every DLL and plugin it loads and the licences of all of them into
# Trellic-<version>-win64.zip, and `cpack -G NSIS` makes a setup program of the same,
# Trellic-<version>-win64-setup.exe. Unzipped or installed into any folder, Trellic.exe
# starts from there: Qt looks for its plugins in the folders beside the program.
if(NOT WIN32 OR NOT TRELLIC_WITH_QT)
    return()
endif()

# The zip is made from the Qt that scripts/build-windows.sh builds, whose source holds the
# licences that go with it; a build on Windows deploys with Qt's windeployqt instead.
set(TRELLIC_QT_SOURCE_DIR "" CACHE PATH
    "Source of the Qt the build uses, whose licence files go into the zip")
if(TRELLIC_QT_SOURCE_DIR STREQUAL "")
    return()
endif()
if(NOT EXISTS "${TRELLIC_QT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt")
    message(FATAL_ERROR "TRELLIC_QT_SOURCE_DIR names no Qt source: ${TRELLIC_QT_SOURCE_DIR}")
endif()

# The plugins the game loads: the windows platform, the native style, and the reader
# of the window icon's .ico file. PNG is built into Qt's GUI library. The native styles'
# plugin has had a new name since Qt 6.7.
set(qt_plugin_dir ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
set(style_plugin styles/qmodernwindowsstyle.dll)
if(NOT EXISTS ${qt_plugin_dir}/${style_plugin})
    set(style_plugin styles/qwindowsvistastyle.dll)
endif()
set(trellic_plugins platforms/qwindows.dll ${style_plugin} imageformats/qico.dll)
set(plugin_files)
foreach(plugin IN LISTS trellic_plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${qt_plugin_dir}/${plugin} DESTINATION ${folder})
    list(APPEND plugin_files ${qt_plugin_dir}/${plugin})
endforeach()

# The DLLs that the program and the plugins load, found the way Windows finds them: Qt's
# and the MinGW runtime's, not the system's own.
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(runtime_dir ${runtime_path} DIRECTORY)
    list(APPEND runtime_dirs ${runtime_dir})
endforeach()
# CMake 3.25 looks for the names a Windows program imports in lower case, as Windows
# would, CMake 3.31 under the names as imported, but this file system tells case apart:
# the folders are searched through links with both names, and the files behind them are
# installed under their own names.
set(dll_links ${CMAKE_CURRENT_BINARY_DIR}/zip-dlls)
file(REMOVE_RECURSE ${dll_links})
file(MAKE_DIRECTORY ${dll_links})
file(GLOB dlls ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/*.dll)
foreach(runtime_dir IN LISTS runtime_dirs)
    file(GLOB runtime_dlls ${runtime_dir}/*.dll)
    list(APPEND dlls ${runtime_dlls})
endforeach()
foreach(dll IN LISTS dlls)
    get_filename_component(name ${dll} NAME)
    string(TOLOWER ${name} lower_name)
    file(CREATE_LINK ${dll} ${dll_links}/${name} SYMBOLIC)
    if(NOT lower_name STREQUAL name)
        file(CREATE_LINK ${dll} ${dll_links}/${lower_name} SYMBOLIC)
    endif()
endforeach()
find_program(TRELLIC_OBJDUMP NAMES ${CMAKE_OBJDUMP} x86_64-w64-mingw32-objdump REQUIRED)
install(CODE "
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${TRELLIC_OBJDUMP}\")
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"$<TARGET_FILE:trellic>\"
        LIBRARIES ${plugin_files}
        DIRECTORIES \"${dll_links}\"
        PRE_INCLUDE_REGEXES \"^(qt6|lib)[^/]*[.]dll$\"
        PRE_EXCLUDE_REGEXES \".*\"
        RESOLVED_DEPENDENCIES_VAR found
        UNRESOLVED_DEPENDENCIES_VAR missing)
    if(missing)
        message(FATAL_ERROR \"Not found for the zip: \${missing}\")
    endif()
    foreach(link IN LISTS found)
        file(REAL_PATH \${link} dll)
        file(INSTALL \${dll} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    endforeach()
    # Without the symbols that only a debugger reads, as Trellic.exe itself.
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE libraries \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${libraries}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
")

# The licences: the game's, Qt's (LGPL 3 with the GPL it builds on) and Debian's
# record of every licence in Qt's source, its bundled libraries included, and the
# MinGW runtime's.
set(licences ${CMAKE_CURRENT_BINARY_DIR}/licences)
file(MAKE_DIRECTORY ${licences})
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${licences}/Trellic.txt COPYONLY)
configure_file(${TRELLIC_QT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt ${licences}/Qt-LGPL-3.0.txt COPYONLY)
configure_file(${TRELLIC_QT_SOURCE_DIR}/LICENSES/GPL-3.0-only.txt ${licences}/Qt-GPL-3.0.txt COPYONLY)
configure_file(${TRELLIC_QT_SOURCE_DIR}/debian/copyright ${licences}/Qt-copyright.txt COPYONLY)
configure_file(/usr/share/doc/gcc-mingw-w64-base/copyright ${licences}/GCC-runtime.txt COPYONLY)
configure_file(/usr/share/doc/mingw-w64-common/copyright ${licences}/MinGW-w64.txt COPYONLY)
install(DIRECTORY ${licences}/ DESTINATION licences)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Trellic)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvane Corp.")
set(CPACK_PACKAGE_FILE_NAME Trellic-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)

# The setup program, made by Debian's makensis: a 64-bit one (the 32-bit default would
# need Windows' 32-bit layer). It shows the licence, asks for the folder (Program
# Files\Trellic), installs what the zip holds, adds the Start-menu shortcut and the
# Apps & features entry, and installs and uninstalls silently with /S (and /D=). The
# values below reach the setup script as written.
set(CPACK_VERBATIM_VARIABLES ON)
# One argument, "Target amd64-unicode", as CPack splits the arguments at unescaped blanks.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS [=[-XTarget\ amd64-unicode]=])
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/TrellicCPackOptions.cmake)
set(CPACK_NSIS_PACKAGE_NAME Trellic)
set(CPACK_NSIS_DISPLAY_NAME Trellic)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Trellic)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Trellic)
set(CPACK_NSIS_INSTALL_ROOT [=[$PROGRAMFILES64]=])
set(CPACK_RESOURCE_FILE_LICENSE ${licences}/Trellic.txt)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/trellic.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/trellic.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Trellic.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES Trellic Trellic)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright REGEX "^Copyright " LIMIT_COUNT 1)
# The setup program's own version block.
set(CPACK_NSIS_DEFINES "!include FileFunc.nsh
VIProductVersion ${PROJECT_VERSION}.0
VIFileVersion ${PROJECT_VERSION}.0
VIAddVersionKey ProductName Trellic
VIAddVersionKey ProductVersion ${PROJECT_VERSION}
VIAddVersionKey FileVersion ${PROJECT_VERSION}
VIAddVersionKey CompanyName \"${CPACK_PACKAGE_VENDOR}\"
VIAddVersionKey FileDescription \"Trellic setup\"
VIAddVersionKey LegalCopyright \"${copyright}\"")
# The files keep no time of their own in the setup program, so two builds are the same.
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave off")
# What Apps & features shows beyond CPack's entries: the size, how to uninstall without
# questions, and no Modify or Repair, as numbers (CPack writes them as text).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trellic" "EstimatedSize" "$0"
  WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trellic" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trellic" "NoModify" 1
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trellic" "NoRepair" 1
]=])
# The vendor's key goes with the last of its programs.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
  DeleteRegKey SHCTX "Software\Kelvane Corp.\Trellic"
  DeleteRegKey /ifempty SHCTX "Software\Kelvane Corp."
]=])
include(CPack)
