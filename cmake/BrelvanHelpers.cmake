# Warnings for one target; errors as well when the CI variable is set.
function(brelvan_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "")
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(BRELVAN_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# One GoogleTest executable from the named sources of a test folder.
# brelvan_add_gtest(NAME name DIR dir SOURCES files... LIBS libs...)
function(brelvan_add_gtest)
    cmake_parse_arguments(T "" "NAME;DIR" "SOURCES;LIBS" ${ARGN})
    list(TRANSFORM T_SOURCES PREPEND ${T_DIR}/)
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
    target_compile_definitions(${T_NAME} PRIVATE BRELVAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                 BRELVAN_BINARY_DIR="${PROJECT_BINARY_DIR}"
                                                 BRELVAN_GTEST=1)
    brelvan_warnings(${T_NAME})
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    set_property(DIRECTORY APPEND PROPERTY BRELVAN_GTESTS ${T_NAME})
endfunction()

# The tests expect the programs' German texts, whatever the language of the machine that runs
# them: every test of the current folder runs with LC_ALL and LC_MESSAGES unset and
# LANG=C.UTF-8 (a test that wants another locale or language sets it in its own command).
# The tests found in GoogleTest executables exist only when ctest runs, so their setting goes
# into a file ctest reads after theirs. Call at the end of a folder's CMakeLists.txt.
set(BRELVAN_TEST_LANGUAGE "LC_ALL=unset:;LC_MESSAGES=unset:;LANG=set:C.UTF-8")
function(brelvan_neutral_language)
    set(language "${BRELVAN_TEST_LANGUAGE}")
    get_property(tests DIRECTORY PROPERTY TESTS)
    if(tests)
        set_tests_properties(${tests} PROPERTIES ENVIRONMENT_MODIFICATION "${language}")
    endif()
    get_property(gtests DIRECTORY PROPERTY BRELVAN_GTESTS)
    set(file ${CMAKE_CURRENT_BINARY_DIR}/brelvan_language.cmake)
    set(text "# Written by brelvan_neutral_language().\n")
    foreach(gtest IN LISTS gtests)
        string(APPEND text "if(${gtest}_TESTS)\n"
                           "    set_tests_properties(\${${gtest}_TESTS} PROPERTIES\n"
                           "                         ENVIRONMENT_MODIFICATION \"${language}\")\n"
                           "endif()\n")
    endforeach()
    file(WRITE ${file} "${text}")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# One Qt Test executable per named test of a folder: <dir>/<test>.cpp with its own QTEST_MAIN.
# brelvan_add_qtests(DIR dir TESTS names... LIBS libs...)
function(brelvan_add_qtests)
    cmake_parse_arguments(T "" "DIR" "TESTS;LIBS" ${ARGN})
    foreach(name IN LISTS T_TESTS)
        add_executable(${name} ${T_DIR}/${name}.cpp)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests
                                                   ${PROJECT_SOURCE_DIR}/src)
        target_compile_definitions(${name} PRIVATE BRELVAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                   BRELVAN_BINARY_DIR="${PROJECT_BINARY_DIR}")
        brelvan_warnings(${name})
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
    endforeach()
endfunction()

# The headers a layer sees: a folder of links in the build tree to src/<folder> and to the
# folders of the layers named after it, and nothing else, so that an include against the
# layering does not compile. Targets that link the layer see the same.
# brelvan_layer_includes(target folder lower-folders...)
function(brelvan_layer_includes target folder)
    set(view ${PROJECT_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${view})
    foreach(layer IN ITEMS ${folder} ${ARGN})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${layer} ${view}/${layer} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${view})
endfunction()

# One layer of the core: a static library from the named sources of src/<folder> that sees the
# headers of <folder> and of the layers below it (brelvan_layer_includes). Floating-point
# contraction is off, so the digits do not depend on the processor.
# brelvan_core_layer(target folder BELOW lower-folders... SOURCES files...)
function(brelvan_core_layer target folder)
    cmake_parse_arguments(L "" "" "BELOW;SOURCES" ${ARGN})
    list(TRANSFORM L_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/src/${folder}/)
    add_library(${target} STATIC ${L_SOURCES})
    brelvan_layer_includes(${target} ${folder} ${L_BELOW})
    target_compile_options(${target} PRIVATE -ffp-contract=off)
    brelvan_warnings(${target})
endfunction()

# The English translation of a Qt target's texts: the .ts file (German source texts) compiled
# and embedded as the resource :/i18n/<name>.qm, and a test that it is complete.
# brelvan_translations(target ts-file source-dirs...)
function(brelvan_translations target ts)
    get_filename_component(name ${ts} NAME_WE)
    qt_add_translations(${target} TS_FILES ${ts} RESOURCE_PREFIX /i18n
                        LRELEASE_OPTIONS -silent -nounfinished)
    add_test(NAME translations_${name}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/testing/check-ts.sh $<TARGET_FILE:Qt6::lupdate>
                     ${CMAKE_CURRENT_SOURCE_DIR}/${ts} ${ARGN})
    set_tests_properties(translations_${name} PROPERTIES
                         ENVIRONMENT_MODIFICATION "${BRELVAN_TEST_LANGUAGE}")
endfunction()
