# Titles from audio files' tags and from cue sheets: QtCore only, no window.
find_package(PkgConfig REQUIRED)
pkg_check_modules(TAGLIB REQUIRED IMPORTED_TARGET taglib)
pkg_check_modules(LIBCUE REQUIRED IMPORTED_TARGET libcue)

add_library(velnora_tags STATIC
  ${CMAKE_CURRENT_LIST_DIR}/audio/AudioTags.cpp ${CMAKE_CURRENT_LIST_DIR}/audio/AudioTags.h
  ${CMAKE_CURRENT_LIST_DIR}/audio/BoundedTagStream.cpp ${CMAKE_CURRENT_LIST_DIR}/audio/BoundedTagStream.h
  ${CMAKE_CURRENT_LIST_DIR}/audio/TagImport.cpp ${CMAKE_CURRENT_LIST_DIR}/audio/TagImport.h
  ${CMAKE_CURRENT_LIST_DIR}/audio/TagText.cpp ${CMAKE_CURRENT_LIST_DIR}/audio/TagText.h
  ${CMAKE_CURRENT_LIST_DIR}/audio/TrackOrder.cpp ${CMAKE_CURRENT_LIST_DIR}/audio/TrackOrder.h
  ${CMAKE_CURRENT_LIST_DIR}/disc/CueSheetIn.cpp ${CMAKE_CURRENT_LIST_DIR}/disc/CueSheetIn.h)
target_link_libraries(velnora_tags PUBLIC velnora_core PRIVATE PkgConfig::TAGLIB PkgConfig::LIBCUE)
