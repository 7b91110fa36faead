# What `cmake --install BUILD --prefix P` puts where. The programs find their companions
# relative to P/bin, so these places are fixed rather than taken from GNUInstallDirs:
#   P/bin                      vantor39, vantor39-cli
#   P/lib/vantor39             vantor39-chart-picture (run by vantor39-cli trace-chart --png)
#   P/share/vantor39           the bundled draw history and help texts, copied into the
#                              user's working folder on the program's first start
#   P/share/applications       the desktop entry
#   P/share/icons/hicolor      the icon, drawn by the program's own logo code

# The one version, from project(): both programs print it for --version.
foreach(program vantor39 vantor39-cli)
  target_compile_definitions(${program} PRIVATE VANTOR_VERSION="${PROJECT_VERSION}")
endforeach()

install(TARGETS vantor39 vantor39-cli RUNTIME DESTINATION bin)
if(TARGET vantor39-chart-picture)
  install(TARGETS vantor39-chart-picture RUNTIME DESTINATION lib/vantor39)
endif()

file(GLOB VANTOR_BUNDLED_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.txt)
install(FILES ${VANTOR_BUNDLED_FILES} DESTINATION share/vantor39)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantor39.desktop DESTINATION share/applications)

# The icon's PNG files are drawn at build time by vantor39-icon from ui::program_icon.
add_executable(vantor39-icon ${PROJECT_SOURCE_DIR}/app/icon_main.cpp)
target_link_libraries(vantor39-icon PRIVATE vantor_ui)
vantor_link_qt(vantor39-icon Gui)
set(VANTOR_ICON_SIDES 48 256)
set(VANTOR_ICON_FILES)
foreach(side ${VANTOR_ICON_SIDES})
  list(APPEND VANTOR_ICON_FILES ${PROJECT_BINARY_DIR}/icons/${side}x${side}/vantor39.png)
endforeach()
add_custom_command(OUTPUT ${VANTOR_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:vantor39-icon> ${PROJECT_BINARY_DIR}/icons
  DEPENDS vantor39-icon
  COMMENT "Drawing the program's icon")
add_custom_target(vantor39-icons ALL DEPENDS ${VANTOR_ICON_FILES})
foreach(side ${VANTOR_ICON_SIDES})
  install(FILES ${PROJECT_BINARY_DIR}/icons/${side}x${side}/vantor39.png
          DESTINATION share/icons/hicolor/${side}x${side}/apps)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/packaging.cmake)
