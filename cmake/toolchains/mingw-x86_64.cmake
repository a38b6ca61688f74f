# Cross build for 64-bit Windows with the mingw-w64 compilers (POSIX thread model).
# Test programs run under wine64, found in Wine's library folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELT2PROE_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
find_program(KELT2PROE_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine
  NO_CMAKE_FIND_ROOT_PATH)
if(KELT2PROE_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KELT2PROE_WINE64})
endif()
