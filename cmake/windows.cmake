# Windows build: pelmo.exe and the Windows tests, which run under Wine
# through the toolchain's emulator wrapper.
enable_language(RC)
# The resource script is UTF-8 like the sources; windres turns its texts
# into the UTF-16 that menus and dialogs hold.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_SOURCE_DIR}")

# Nothing beside the executable but system DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB WIN_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/settings/*.cpp
    ${CMAKE_SOURCE_DIR}/memo/*.cpp
    ${CMAKE_SOURCE_DIR}/view/*.cpp
    ${CMAKE_SOURCE_DIR}/shell/*.cpp
    ${CMAKE_SOURCE_DIR}/dialogs/*.cpp)
list(REMOVE_ITEM WIN_SOURCES ${CMAKE_SOURCE_DIR}/shell/main.cpp ${PURE_VIEW_SOURCES})

# comctl32 is delay-loaded: loading it (side by side, version 6) costs the
# start-up more than anything else, and nothing needs it before the first
# frame is painted.
set(PELMO_COMCTL32_DELAY ${CMAKE_BINARY_DIR}/libcomctl32_delay.a)
add_custom_command(OUTPUT ${PELMO_COMCTL32_DELAY}
    COMMAND ${PELMO_TRIPLE}-dlltool --input-def ${CMAKE_SOURCE_DIR}/cmake/comctl32-delay.def
            --output-delaylib ${PELMO_COMCTL32_DELAY}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/comctl32-delay.def
    VERBATIM)
add_custom_target(comctl32_delay DEPENDS ${PELMO_COMCTL32_DELAY})

add_library(pelmo_win STATIC ${WIN_SOURCES})
add_dependencies(pelmo_win comctl32_delay)
target_include_directories(pelmo_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(pelmo_win PUBLIC
    WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 STRICT NOMINMAX)
target_link_libraries(pelmo_win PUBLIC
    pelmo_core gdiplus ${PELMO_COMCTL32_DELAY} delayimp comdlg32 shell32 ole32 oleaut32 uuid
    imm32 gdi32 user32 shlwapi)

set(PELMO_RC ${CMAKE_SOURCE_DIR}/res/pelmo.rc)
file(GLOB PELMO_RC_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.ico ${CMAKE_SOURCE_DIR}/res/*.manifest
     ${CMAKE_SOURCE_DIR}/res/*.h)
set_source_files_properties(${PELMO_RC} PROPERTIES OBJECT_DEPENDS "${PELMO_RC_INPUTS}")
add_executable(pelmo WIN32 ${CMAKE_SOURCE_DIR}/shell/main.cpp ${PELMO_RC})
target_link_libraries(pelmo PRIVATE pelmo_win)

# The help page ships in Shift-JIS like every text of the program; its source
# stays UTF-8 like the sources. Written beside pelmo.exe as help/, the folder
# the help command opens; converted through a temporary name so that a
# failed conversion never leaves a half page behind.
set(PELMO_HELP_SOURCE ${CMAKE_SOURCE_DIR}/dist/help/pelmohelp.html.utf8)
set(PELMO_HELP ${CMAKE_BINARY_DIR}/help/pelmohelp.html)
add_custom_command(OUTPUT ${PELMO_HELP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/help
    COMMAND iconv -f UTF-8 -t CP932 -o ${PELMO_HELP}.part ${PELMO_HELP_SOURCE}
    COMMAND ${CMAKE_COMMAND} -E rename ${PELMO_HELP}.part ${PELMO_HELP}
    DEPENDS ${PELMO_HELP_SOURCE}
    VERBATIM)
add_custom_target(pelmo_help DEPENDS ${PELMO_HELP})
add_dependencies(pelmo pelmo_help)

# The core once more, compiled for Windows, so both sides are held to the
# same tests.
if(CORE_TEST_SOURCES)
    add_executable(core_tests ${CORE_TEST_SOURCES})
    target_link_libraries(core_tests PRIVATE pelmo_core GTest::gtest_main)
    gtest_discover_tests(core_tests TEST_PREFIX "wine.core." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endif()

file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TEST_SOURCES} ${PELMO_RC})
target_link_libraries(win_tests PRIVATE pelmo_win GTest::gtest_main)
gtest_discover_tests(win_tests TEST_PREFIX "wine." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

# End-to-end: the real executable, a fresh folder, a private display, real input.
file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_SCRIPTS})
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "^test_" "" name ${name})
    add_test(NAME e2e.${name} COMMAND bash ${script} $<TARGET_FILE:pelmo>)
    set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 300)
endforeach()

# Benchmarks, run by make bench.
add_executable(bench_window ${CMAKE_SOURCE_DIR}/bench/bench_window.cpp ${CMAKE_SOURCE_DIR}/bench/frame_floor.cpp)
target_link_libraries(bench_window PRIVATE pelmo_win)
add_executable(minimal_window WIN32 ${CMAKE_SOURCE_DIR}/bench/minimal_window.cpp)
