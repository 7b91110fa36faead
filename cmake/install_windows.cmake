# The Windows program (scripts/windows.sh): the programs and their chart-picture helper in
# P/bin, where Windows looks for the DLLs they load, the bundled files in P/share/vantor39.
# scripts/windows.sh adds the DLLs, Qt's plugins and the licences, and packs the tree.
install(TARGETS vantor39-chart-picture RUNTIME DESTINATION bin)

# The window program starts without a console window.
set_target_properties(vantor39 PROPERTIES WIN32_EXECUTABLE ON)

# Each program file carries the manifest (UTF-8 as the C library's code page, for the file
# names the spreadsheet library opens) and the program's icon. A cross build cannot run its
# own vantor39-icon, so it is given one built for this machine.
set(VANTOR_HOST_ICON_TOOL "" CACHE FILEPATH "vantor39-icon built for the build machine, which draws the icon")
if(CMAKE_CROSSCOMPILING)
  if(NOT VANTOR_HOST_ICON_TOOL)
    message(FATAL_ERROR "A cross build for Windows draws its icon with a vantor39-icon built for this machine: "
                        "give its path as -DVANTOR_HOST_ICON_TOOL (scripts/windows.sh does).")
  endif()
  set(icon_tool ${VANTOR_HOST_ICON_TOOL})
else()
  set(icon_tool $<TARGET_FILE:vantor39-icon>)
  add_executable(vantor39-icon ${PROJECT_SOURCE_DIR}/app/icon_main.cpp)
  target_link_libraries(vantor39-icon PRIVATE vantor_ui)
  vantor_link_qt(vantor39-icon Gui)
endif()
set(VANTOR_WINDOWS_ICON ${PROJECT_BINARY_DIR}/icons/vantor39.ico)
add_custom_command(OUTPUT ${VANTOR_WINDOWS_ICON}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${icon_tool} ${PROJECT_BINARY_DIR}/icons
  COMMENT "Drawing the program's icon")
add_custom_target(vantor39-icons DEPENDS ${VANTOR_WINDOWS_ICON})

set(VANTOR_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/vantor39.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vantor39.rc.in ${PROJECT_BINARY_DIR}/windows/vantor39.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/windows/vantor39.rc PROPERTIES
  OBJECT_DEPENDS "${VANTOR_WINDOWS_ICON};${VANTOR_MANIFEST}")
foreach(program vantor39 vantor39-cli vantor39-chart-picture)
  target_sources(${program} PRIVATE ${PROJECT_BINARY_DIR}/windows/vantor39.rc)
  add_dependencies(${program} vantor39-icons)
endforeach()
