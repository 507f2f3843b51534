# The disc's audio and its image: QtCore and FFmpeg, no window.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavformat libavcodec libswresample libavutil)

add_library(velnora_audio STATIC
  audio/AudioDecoder.cpp audio/AudioDecoder.h audio/AudioInfo.h audio/AudioProblem.h
  audio/AudioTexts.cpp audio/AudioTexts.h)
target_link_libraries(velnora_audio PUBLIC velnora_core PRIVATE PkgConfig::FFMPEG)

add_library(velnora_disc STATIC
  disc/CueSheet.cpp disc/CueSheet.h disc/DiscCheck.cpp disc/DiscCheck.h disc/DiscLength.cpp
  disc/DiscLength.h disc/DiscRefusal.h disc/DiscTexts.cpp disc/DiscTexts.h disc/ImageWriter.cpp
  disc/ImageWriter.h disc/NewFileBeside.cpp disc/NewFileBeside.h)
target_link_libraries(velnora_disc PUBLIC velnora_audio)
