# Installation and the Debian package: `cpack -G DEB` in the build folder.
include(GNUInstallDirs)

# Every program of the project: the executables defined under src/, whatever their number.
function(brelvan_collect_programs dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    set(found)
    foreach(t IN LISTS targets)
        get_target_property(type ${t} TYPE)
        if(type STREQUAL "EXECUTABLE")
            list(APPEND found ${t})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        brelvan_collect_programs(${sub} more)
        list(APPEND found ${more})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

set(BRELVAN_PROGRAMS)
get_property(top_subdirs DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
foreach(sub IN LISTS top_subdirs)
    string(FIND "${sub}" "${PROJECT_SOURCE_DIR}/src/" at)
    if(at EQUAL 0)
        brelvan_collect_programs(${sub} programs)
        list(APPEND BRELVAN_PROGRAMS ${programs})
    endif()
endforeach()
install(TARGETS ${BRELVAN_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages (English in man/, German in man/de/) and the changelog, compressed as Debian wants
# them.
set(pack ${PROJECT_SOURCE_DIR}/packaging)
set(packed)
set(pages brelvan.1 brelvan-cli.1 brelvan-grafik.1)
set(files changelog)
foreach(page IN LISTS pages)
    list(APPEND files man/${page} man/de/${page})
endforeach()
foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    string(REGEX REPLACE "^man/?" "" folder "${folder}")
    get_filename_component(name ${file} NAME)
    set(out ${PROJECT_BINARY_DIR}/packaging/${folder})
    set(gz ${out}/${name}.gz)
    add_custom_command(OUTPUT ${gz}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
                       COMMAND sh -c "gzip -9nc '${pack}/${file}' > '${gz}'"
                       DEPENDS ${pack}/${file} VERBATIM)
    list(APPEND packed ${gz})
endforeach()
add_custom_target(brelvan_packaging_files ALL DEPENDS ${packed})
foreach(page IN LISTS pages)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${page}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/de/${page}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
endforeach()

set(docdir ${CMAKE_INSTALL_DATADIR}/doc/brelvan)
install(FILES ${pack}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${docdir})
install(FILES ${PROJECT_SOURCE_DIR}/examples/beispiel.brv ${PROJECT_SOURCE_DIR}/examples/sauergas.brv
              ${PROJECT_SOURCE_DIR}/examples/druckwerte.txt
              ${PROJECT_SOURCE_DIR}/examples/sauergas-druckwerte.txt
              ${PROJECT_SOURCE_DIR}/examples/druckwerte.csv
        DESTINATION ${docdir}/examples)
install(FILES ${pack}/brelvan.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pack}/brelvan-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME brelvan.xml)
install(FILES ${pack}/brelvan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${pack}/brelvan.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-brelvan.svg)
install(FILES ${pack}/de.brelvan.brelvan.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon as PNG beside the SVG, for desktops and menus that do not draw SVG icons.
if(TARGET brelvan-icon-png)
    set(pngs)
    set(png_args)
    foreach(size 48 64 128)
        set(png ${PROJECT_BINARY_DIR}/packaging/brelvan-${size}.png)
        list(APPEND pngs ${png})
        list(APPEND png_args ${size} ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME brelvan.png)
    endforeach()
    add_custom_command(OUTPUT ${pngs}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               $<TARGET_FILE:brelvan-icon-png> ${pack}/brelvan.svg ${png_args}
                       DEPENDS brelvan-icon-png ${pack}/brelvan.svg VERBATIM)
    add_custom_target(brelvan_icon_pngs ALL DEPENDS ${pngs})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brelvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "brelvan")
set(CPACK_PACKAGE_CONTACT "brelvan-Entwickler <brelvan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gas reservoir with water influx from a finite water zone")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "brelvan evaluates a gas reservoir in contact with a finite water zone after the\n"
    "method of Fetkovich: reservoir pressure, p/z, water influx and a gas-in-place\n"
    "estimate row by row through the shut-in pressure measurements, a report, a\n"
    "chart, the J value from geometry and a grid search for the best fit.\n"
    "The package holds the desktop program brelvan (German and English user\n"
    "interface), the batch tool brelvan-cli and the chart program brelvan-grafik.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# German texts of Qt's own dialogs and the chart's fonts; the programs run without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
# No package without its library dependencies.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CheckShlibdeps.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

# The package builds and holds what it should; lintian, the desktop file and the MIME file
# agree. Skipped when the Debian tools are missing.
if(BRELVAN_GUI AND NOT BRELVAN_SANITIZE)
    add_test(NAME debian_package
             COMMAND ${PROJECT_SOURCE_DIR}/tests/package/check-package.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(debian_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600 RUN_SERIAL TRUE
                                                   ENVIRONMENT_MODIFICATION "${BRELVAN_TEST_LANGUAGE}")
endif()
