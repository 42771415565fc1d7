# The portable distribution: a folder dist/ of the build holding exactly
# what ships (pelmo.exe, pelmo.ini, Image/ with the four pictures, help/),
# and pelmo-<version>.zip made of that folder. Unzipped anywhere it runs as
# it is: the program keeps everything beside itself.

find_program(PELMO_PYTHON python3 REQUIRED)

# The version is the one the version dialog shows, so the two never differ.
file(STRINGS ${CMAKE_SOURCE_DIR}/res/pelmo.rc PELMO_VERSION_LINE ENCODING UTF-8 REGEX "バージョン [0-9]")
string(REGEX MATCH "[0-9]+(\\.[0-9]+)*" PELMO_VERSION "${PELMO_VERSION_LINE}")
if(NOT PELMO_VERSION)
    message(FATAL_ERROR "no version found in the version dialog of res/pelmo.rc")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/pelmo.rc)

set(PELMO_DIST_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where pelmo-<version>.zip is written")
set(PELMO_STAGE ${CMAKE_BINARY_DIR}/dist)
set(PELMO_ZIP ${PELMO_DIST_DIR}/pelmo-${PELMO_VERSION}.zip)

# The members of the zip, in the order they are stored. The zip check of
# the tests keeps its own list, so that a member added here shows there.
set(PELMO_PICTURES Wall.bmp Metal.bmp BlueCheck.bmp GreenCheck.bmp)
set(PELMO_DIST_MEMBERS pelmo.exe pelmo.ini)
foreach(picture ${PELMO_PICTURES})
    list(APPEND PELMO_DIST_MEMBERS Image/${picture})
endforeach()
list(APPEND PELMO_DIST_MEMBERS help/pelmohelp.html)
set(PELMO_STAGED)
foreach(member ${PELMO_DIST_MEMBERS})
    list(APPEND PELMO_STAGED ${PELMO_STAGE}/${member})
endforeach()

set(PELMO_STAGED_PICTURES)
foreach(picture ${PELMO_PICTURES})
    list(APPEND PELMO_STAGED_PICTURES ${PELMO_STAGE}/Image/${picture})
endforeach()
add_custom_command(OUTPUT ${PELMO_STAGED_PICTURES}
    COMMAND ${PELMO_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_pictures.py ${PELMO_STAGE}/Image
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_pictures.py
    VERBATIM)

# pelmo.ini is read in the ANSI code page like every file of the program;
# its source stays UTF-8 like the help page's.
set(PELMO_INI_SOURCE ${CMAKE_SOURCE_DIR}/dist/pelmo.ini.utf8)
add_custom_command(OUTPUT ${PELMO_STAGE}/pelmo.ini
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_STAGE}
    COMMAND iconv -f UTF-8 -t CP932 -o ${PELMO_STAGE}/pelmo.ini.part ${PELMO_INI_SOURCE}
    COMMAND ${CMAKE_COMMAND} -E rename ${PELMO_STAGE}/pelmo.ini.part ${PELMO_STAGE}/pelmo.ini
    DEPENDS ${PELMO_INI_SOURCE}
    VERBATIM)

add_custom_command(OUTPUT ${PELMO_STAGE}/pelmo.exe ${PELMO_STAGE}/help/pelmohelp.html
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_STAGE}/help
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pelmo> ${PELMO_STAGE}/pelmo.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${PELMO_HELP} ${PELMO_STAGE}/help/pelmohelp.html
    DEPENDS pelmo ${PELMO_HELP}
    VERBATIM)

# Fixed times, so that the same files give the same zip.
add_custom_command(OUTPUT ${PELMO_ZIP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${PELMO_ZIP}.part --format=zip --mtime=2000-01-01
            ${PELMO_DIST_MEMBERS}
    COMMAND ${CMAKE_COMMAND} -E rename ${PELMO_ZIP}.part ${PELMO_ZIP}
    WORKING_DIRECTORY ${PELMO_STAGE}
    DEPENDS ${PELMO_STAGED}
    VERBATIM)
add_custom_target(pelmo_dist ALL DEPENDS ${PELMO_ZIP})
# Where the zip is, for make dist and make run.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/dist-zip CONTENT "${PELMO_ZIP}\n")

# The Windows tests and the benchmark start from the staged folder.
add_dependencies(win_tests pelmo_dist)
add_dependencies(bench_window pelmo_dist)

add_test(NAME dist.zip COMMAND ${PELMO_PYTHON} ${CMAKE_SOURCE_DIR}/tests/tools/dist_zip_test.py
    ${PELMO_ZIP} ${PELMO_STAGE} ${PELMO_INI_SOURCE} ${PELMO_VERSION})
