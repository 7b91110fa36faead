# What `cmake --install BUILD --prefix P` puts where. The programs find their companions
# relative to P/bin, so these places are fixed rather than taken from GNUInstallDirs:
#   P/bin                      vantor39, vantor39-cli
#   P/lib/vantor39             vantor39-chart-picture (run by vantor39-cli trace-chart --png)
#                              and vantor39-cli-qt.so (opened by its download and report --pdf)
#                              and vantor39-cli-files.so (its ZIP import and .xlsx saves)
#   P/share/vantor39           the bundled draw history and help texts, copied into the
#                              user's working folder on the program's first start
#   P/share/applications       the desktop entry, its Exec the absolute P/bin/vantor39
#   P/share/icons/hicolor      the icon, drawn by the program's own logo code
#   P/share/man/man1           the manual pages of both programs, from their --help
#   P/share/doc/vantor39       copyright and changelog.Debian.gz
#   P/share/lintian/overrides  what Debian's package check is told not to expect
# Windows keeps P/bin and P/share/vantor39 and puts the rest beside the programs
# (cmake/install_windows.cmake).
#
# Who answers for the package: DEBFULLNAME and DEBEMAIL at configure time (the names
# Debian's own tools read), or -DVANTOR_PACKAGE_MAINTAINER="Name <address>".

# `cmake --install` records what it installed in the build folder's install_manifest.txt
# (what removing an installation reads). Someone installing into their own prefix from a
# build another user made (root) cannot write that record and would get an error after
# the copy: this first rule says why before anything is copied.
install(CODE "
  execute_process(COMMAND \"${CMAKE_COMMAND}\" -E touch \"${PROJECT_BINARY_DIR}/install_manifest.txt\"
                  RESULT_VARIABLE unwritable OUTPUT_QUIET ERROR_QUIET)
  if(unwritable)
    message(FATAL_ERROR \"Nothing was installed: cmake --install records the installed files in
  ${PROJECT_BINARY_DIR}/install_manifest.txt
and that build folder is not writable by you (another user built it). Build a copy of your own
and install that one:
  cmake -S ${PROJECT_SOURCE_DIR} -B ~/vantor39-build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
  cmake --build ~/vantor39-build
  cmake --install ~/vantor39-build --prefix ~/.local\")
  endif()")

# The one version, from project(): both programs print it for --version.
foreach(program vantor39 vantor39-cli)
  target_compile_definitions(${program} PRIVATE VANTOR_VERSION="${PROJECT_VERSION}")
endforeach()

install(TARGETS vantor39 vantor39-cli RUNTIME DESTINATION bin)
file(GLOB VANTOR_BUNDLED_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.txt)
install(FILES ${VANTOR_BUNDLED_FILES} DESTINATION share/vantor39)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/install_windows.cmake)
  return()
endif()
install(TARGETS vantor39-chart-picture RUNTIME DESTINATION lib/vantor39)
install(TARGETS vantor39-cli-qt vantor39-cli-files LIBRARY DESTINATION lib/vantor39
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)  # opened, never run
# Installed programs carry no compiler identification (.comment), as Debian's own do.
if(CMAKE_OBJCOPY)
  install(CODE "
    foreach(program bin/vantor39 bin/vantor39-cli lib/vantor39/vantor39-chart-picture lib/vantor39/vantor39-cli-qt.so
                    lib/vantor39/vantor39-cli-files.so)
      set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\")
      if(EXISTS \"\${file}\")
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"\${file}\")
      endif()
    endforeach()")
endif()

if(NOT VANTOR_PACKAGE_MAINTAINER)
  if(DEFINED ENV{DEBEMAIL})
    set(maintainer_name "$ENV{DEBFULLNAME}")
    if(NOT maintainer_name)
      set(maintainer_name "39Vantor")
    endif()
    set(default_maintainer "${maintainer_name} <$ENV{DEBEMAIL}>")
  else()
    set(default_maintainer "39Vantor <vantor39@users.noreply.github.com>")
  endif()
  set(VANTOR_PACKAGE_MAINTAINER "${default_maintainer}" CACHE STRING "Name <address> of who answers for the package")
endif()

# The desktop entry starts the program where it is installed, whatever the menu's PATH:
# Exec is written when installing, once the prefix is known.
install(CODE "
  file(READ \"${PROJECT_SOURCE_DIR}/packaging/vantor39.desktop\" entry)
  string(REPLACE \"Exec=vantor39\" \"Exec=\${CMAKE_INSTALL_PREFIX}/bin/vantor39\" entry \"\${entry}\")
  set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/vantor39.desktop\")
  message(STATUS \"Installing: \${file}\")
  file(WRITE \"\${file}\" \"\${entry}\")")

# Manual pages from each program's --help, and the package's documents.
set(VANTOR_MAN_PAGES ${PROJECT_BINARY_DIR}/man/vantor39.1.gz ${PROJECT_BINARY_DIR}/man/vantor39-cli.1.gz)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/vantor39.1.gz
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vantor39> -DNAME=vantor39 -DVERSION=${PROJECT_VERSION}
          "-DSUMMARY=今彩539 開獎資料分析程式 (視窗版)" -DSEE_ALSO=vantor39-cli
          -DOUTPUT=${PROJECT_BINARY_DIR}/man/vantor39.1.gz -P ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
  DEPENDS vantor39 ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
  COMMENT "Writing the manual page of vantor39" VERBATIM)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/vantor39-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vantor39-cli> -DNAME=vantor39-cli -DVERSION=${PROJECT_VERSION}
          "-DSUMMARY=今彩539 開獎資料分析的命令列版" -DSEE_ALSO=vantor39
          -DOUTPUT=${PROJECT_BINARY_DIR}/man/vantor39-cli.1.gz -P ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
  DEPENDS vantor39-cli ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
  COMMENT "Writing the manual page of vantor39-cli" VERBATIM)
set(VANTOR_PACKAGE_RELEASE 1)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in ${PROJECT_BINARY_DIR}/doc/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz
  COMMAND gzip -9nkf ${PROJECT_BINARY_DIR}/doc/changelog.Debian
  DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog.Debian)
add_custom_target(vantor39-docs ALL DEPENDS ${VANTOR_MAN_PAGES} ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz)
install(FILES ${VANTOR_MAN_PAGES} DESTINATION share/man/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz
        DESTINATION share/doc/vantor39)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME vantor39)

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
