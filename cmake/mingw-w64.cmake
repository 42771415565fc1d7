# Cross-compiles the Windows executable and its tests with mingw-w64;
# the tests then run under Wine through the emulator wrapper.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PELMO_TRIPLE x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER ${PELMO_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELMO_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELMO_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PELMO_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
