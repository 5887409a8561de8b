# `cpack` in a Windows build folder makes kinemora-<version>-windows-x64.zip: one folder that runs
# wherever it is unpacked, with nothing else installed. It holds the program with its data, the
# Qt libraries and plugins it loads, the C++ runtime of the compiler, and the licences of all.
# The installer is made from that zip (scripts/windows/msi.sh), with kinemora.wxs from here.

# The Qt libraries, the Windows platform plugin, and the icon and cursor reader.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QICOPlugin LIBRARY DESTINATION imageformats)

# The compiler's C++ runtime, wherever this compiler keeps it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's ${dll} was not found")
  endif()
  install(FILES ${path} DESTINATION .)
endforeach()

# The licences: the program's, then Qt's (LGPL 3, with where its source comes from) and those of
# the compiler's runtime.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${KINEMORA_INSTALL_DOCDIR}
        RENAME kinemora-copyright.txt)
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
file(READ ${qt_prefix}/licenses/qt/source-version.txt QT_SOURCE_VERSION)
string(STRIP "${QT_SOURCE_VERSION}" QT_SOURCE_VERSION)
string(REPLACE " " "=" QT_SOURCE_PACKAGE "${QT_SOURCE_VERSION}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-notices.txt.in notices.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/notices.txt DESTINATION ${KINEMORA_INSTALL_DOCDIR})
install(DIRECTORY ${qt_prefix}/licenses/qt/ DESTINATION ${KINEMORA_INSTALL_DOCDIR}/qt)
foreach(package gcc-mingw-w64-base mingw-w64-common)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION ${KINEMORA_INSTALL_DOCDIR}/runtime
          RENAME ${package}-copyright.txt)
endforeach()

# Qt's and the compiler's libraries come with their symbol tables, which nothing here needs.
install(CODE "
  file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(dll IN LISTS dlls)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")

configure_file(${CMAKE_CURRENT_LIST_DIR}/kinemora.wxs.in kinemora.wxs @ONLY)

set(CPACK_PACKAGE_NAME kinemora)
set(CPACK_PACKAGE_FILE_NAME kinemora-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR ZIP)
include(CPack)
