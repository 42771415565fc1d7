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
    ${CMAKE_SOURCE_DIR}/platform/*.cpp
    ${CMAKE_SOURCE_DIR}/settings/*.cpp
    ${CMAKE_SOURCE_DIR}/design/*.cpp
    ${CMAKE_SOURCE_DIR}/tooltips/*.cpp
    ${CMAKE_SOURCE_DIR}/memo/*.cpp
    ${CMAKE_SOURCE_DIR}/view/*.cpp
    ${CMAKE_SOURCE_DIR}/shell/*.cpp
    ${CMAKE_SOURCE_DIR}/dialogs/*.cpp)
list(REMOVE_ITEM WIN_SOURCES ${CMAKE_SOURCE_DIR}/shell/main.cpp ${PURE_SOURCES})

# Libraries that are not always taken from the system folder are imported
# lazily, through an import library made from cmake/<name>-delay.def, so that
# they are loaded only after the entry point has restricted the search (a
# copy planted beside the executable is never run). Nothing needs them
# before the first frame is painted: comctl32 costs the start-up more than
# anything else, GDI+ is needed only to convert a picture, and comdlg32
# (with the printing libraries it pulls in) only by the settings sheet's
# colour and picture dialogs. shell32 and ole32 are known DLLs, always the
# system's, but loading them and what they pull in is start-up time spent on
# dropped files, the tray icon and shortcuts; they are imported lazily too.
# The other libraries that pelmo.exe imports (gdi32, user32, kernel32,
# msvcrt, imm32) are known DLLs that the first frame needs.
set(PELMO_DELAY_IMPORTS)
set(PELMO_LAZY_LIBRARIES gdiplus comctl32 comdlg32)
foreach(library ${PELMO_LAZY_LIBRARIES} shell32 ole32)
    set(delaylib ${CMAKE_BINARY_DIR}/lib${library}_delay.a)
    set(def ${CMAKE_SOURCE_DIR}/cmake/${library}-delay.def)
    add_custom_command(OUTPUT ${delaylib}
        COMMAND ${PELMO_TRIPLE}-dlltool --input-def ${def} --output-delaylib ${delaylib}
        DEPENDS ${def}
        VERBATIM)
    add_custom_target(${library}_delay DEPENDS ${delaylib})
    list(APPEND PELMO_DELAY_IMPORTS ${delaylib})
endforeach()

add_library(pelmo_win STATIC ${WIN_SOURCES})
add_dependencies(pelmo_win gdiplus_delay comctl32_delay comdlg32_delay shell32_delay ole32_delay)
target_include_directories(pelmo_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(pelmo_win PUBLIC
    WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 STRICT NOMINMAX)
target_link_libraries(pelmo_win PUBLIC
    pelmo_core ${PELMO_DELAY_IMPORTS} delayimp oleaut32 uuid
    imm32 gdi32 user32 shlwapi)

set(PELMO_RC ${CMAKE_SOURCE_DIR}/res/pelmo.rc)
file(GLOB PELMO_RC_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.ico ${CMAKE_SOURCE_DIR}/res/*.manifest
     ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.bmp
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

# One ctest entry, and one Wine process, per test suite: starting Wine costs
# seconds, which per test case came to most of the test run. The suites are
# read from the sources (TEST and TEST_F lines), which are watched so that a
# new suite is picked up at the next build.
function(add_wine_suites target prefix)
    set(suites)
    foreach(source ${ARGN})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
        file(STRINGS ${source} lines REGEX "^TEST(_F)?\\([A-Za-z0-9_]+,")
        foreach(line ${lines})
            string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
            list(APPEND suites ${suite})
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES suites)
    foreach(suite ${suites})
        if(suite MATCHES "OnFullDisk$")
            # A volume of its own, which the suite fills to the last byte.
            add_test(NAME ${prefix}${suite}
                COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/with-small-volume ${CMAKE_CROSSCOMPILING_EMULATOR}
                        $<TARGET_FILE:${target}> --gtest_filter=${suite}.*)
        else()
            add_test(NAME ${prefix}${suite} COMMAND ${target} --gtest_filter=${suite}.*)
        endif()
        set_tests_properties(${prefix}${suite} PROPERTIES TIMEOUT 600)
    endforeach()
endfunction()

# The core once more, compiled for Windows, so both sides are held to the
# same tests.
if(CORE_TEST_SOURCES)
    add_executable(core_tests ${CORE_TEST_SOURCES})
    target_link_libraries(core_tests PRIVATE pelmo_core GTest::gtest_main)
    add_wine_suites(core_tests "wine.core." ${CORE_TEST_SOURCES})
endif()

file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TEST_SOURCES} ${PELMO_RC})
target_link_libraries(win_tests PRIVATE pelmo_win GTest::gtest_main)
# Golden files are read where they stand, through Wine's drive for the root.
target_compile_definitions(win_tests PRIVATE PELMO_GOLDEN_DIR="${CMAKE_SOURCE_DIR}/tests/win/golden")
add_wine_suites(win_tests "wine." ${WIN_TEST_SOURCES})

# Stand-ins for the system libraries that pelmo.exe loads, which a test
# plants beside it to show that they are never loaded. They are built into a
# folder of their own, so that no folder of the build holds them beside an
# executable, and nothing ships them.
set(PELMO_PLANTED_DIR ${CMAKE_BINARY_DIR}/planted)
foreach(library ${PELMO_LAZY_LIBRARIES})
    add_library(planted_${library} SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/planted/planted_library.c)
    string(TOUPPER ${library} upper)
    target_compile_definitions(planted_${library} PRIVATE PLANTED_${upper})
    set_target_properties(planted_${library} PROPERTIES OUTPUT_NAME ${library} PREFIX ""
        RUNTIME_OUTPUT_DIRECTORY ${PELMO_PLANTED_DIR} ARCHIVE_OUTPUT_DIRECTORY ${PELMO_PLANTED_DIR})
endforeach()
add_dependencies(win_tests planted_gdiplus)

# End-to-end: the real executable, a fresh folder, a private display, real
# input; a script may take more files after the executable. Beside the
# calendar the scripts run window_probe, which asks from inside the Wine
# session what X cannot tell (a control's rectangle, the focus, whether the
# program has handled its input); it is a test tool and never ships.
add_executable(window_probe ${CMAKE_SOURCE_DIR}/tests/e2e/probe/window_probe.cpp)
target_link_libraries(window_probe PRIVATE user32)
set(E2E_ARGS_dll_planting $<TARGET_FILE:planted_gdiplus> $<TARGET_FILE:planted_comctl32>
    $<TARGET_FILE:planted_comdlg32>)
# The first start is that of the distribution as it ships: the file names
# the zip.
set(E2E_ARGS_first_start ${CMAKE_BINARY_DIR}/dist-zip)
file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_SCRIPTS})
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "^test_" "" name ${name})
    add_test(NAME e2e.${name} COMMAND bash ${script} $<TARGET_FILE:pelmo> ${E2E_ARGS_${name}})
    set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 600
        ENVIRONMENT E2E_PROBE=$<TARGET_FILE:window_probe>)
endforeach()

# Benchmarks, run by make bench.
add_executable(bench_window ${CMAKE_SOURCE_DIR}/bench/bench_window.cpp ${CMAKE_SOURCE_DIR}/bench/bench_support.cpp
    ${CMAKE_SOURCE_DIR}/bench/bench_pictures.cpp ${CMAKE_SOURCE_DIR}/bench/bench_sheet.cpp
    ${CMAKE_SOURCE_DIR}/bench/bench_design_list.cpp
    ${CMAKE_SOURCE_DIR}/bench/bench_distribution.cpp
    ${CMAKE_SOURCE_DIR}/bench/bench_holidays.cpp ${CMAKE_SOURCE_DIR}/bench/bench_saving.cpp
    ${CMAKE_SOURCE_DIR}/bench/frame_floor.cpp ${PELMO_RC})
target_link_libraries(bench_window PRIVATE pelmo_win)
add_executable(minimal_window WIN32 ${CMAKE_SOURCE_DIR}/bench/minimal_window.cpp)

# The portable distribution and its zip.
include(${CMAKE_SOURCE_DIR}/cmake/dist.cmake)
