# The 32-bit Windows program. This machine cannot run 32-bit programs, so its
# tests are built but not run.
set(SMALLWORLD_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
