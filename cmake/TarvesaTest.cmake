# tarvesa_add_test(<name> SOURCES <files...> LIBS <targets...>)
# A QtTest executable run by CTest on the offscreen platform, in a fixed locale, against a fresh
# temporary copy of the small generated installation (its folder is in TARVESA_PROGRAM_DIR).
# The offscreen screen is 1280 x 1024 (tests/offscreen.json), so that every form of every resolution
# code lies on it and receives the pointer; tests choose their resolution code with
# TARVESA_SCREEN_WIDTH.
function(tarvesa_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test tarvesa_testsupport ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    add_dependencies(${name} test_installation)
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND}
            -DTEST_EXE=$<TARGET_FILE:${name}>
            -DINSTALLATION=${TARVESA_TEST_INSTALLATION}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/test-runs/${name}
            -P ${CMAKE_SOURCE_DIR}/cmake/RunWithInstallation.cmake)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_SOURCE_DIR}/tests/offscreen.json;LC_ALL=C.UTF-8;LANG=C.UTF-8;LANGUAGE=;TZ=Europe/Madrid;QT_LOGGING_RULES=qt.qpa.*=false"
        TIMEOUT 600)
endfunction()
