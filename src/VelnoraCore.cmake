# The layers below the windows: each folder of src/ is one library, listed by its sources. Both this
# project and the fuzz targets include this file, so the lists are kept here alone.
#
# A layer sees only the folders it may reach: its include root is a folder of links to those alone, so
# an include of any other folder's header does not compile.
set(VELNORA_SRC ${CMAKE_CURRENT_LIST_DIR})

# velnora_layer(NAME FOLDER [SOURCES file...] [REACHES folder...] [LINKS target...])
# REACHES lists every folder the layer's code and its headers include, its own first.
function(velnora_layer name folder)
  cmake_parse_arguments(LAYER "" "" "SOURCES;REACHES;LINKS" ${ARGN})
  list(TRANSFORM LAYER_SOURCES PREPEND ${VELNORA_SRC}/${folder}/)
  if(LAYER_SOURCES)
    add_library(${name} STATIC ${LAYER_SOURCES})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(reached ${folder} ${LAYER_REACHES})
    file(CREATE_LINK ${VELNORA_SRC}/${reached} ${root}/${reached} SYMBOLIC)
  endforeach()
  target_include_directories(${name} ${scope} ${root})
  target_link_libraries(${name} ${scope} ${LAYER_LINKS})
  if(LAYER_SOURCES)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

velnora_layer(velnora_text text
  SOURCES Cp932.cpp Cp932.h Lines.cpp Lines.h NativePath.cpp NativePath.h TextFile.cpp TextFile.h Trim.cpp
          Trim.h Width.cpp Width.h
  LINKS Qt6::Core)

velnora_layer(velnora_edit edit
  SOURCES CdTextLayout.cpp CdTextLayout.h CharacterCheck.cpp CharacterCheck.h CheckResult.h EditMarks.cpp
          EditMarks.h EditType.h InputCheck.cpp InputCheck.h
  REACHES text
  LINKS velnora_text)

velnora_layer(velnora_titles titles
  SOURCES SortTitles.cpp SortTitles.h TitleList.cpp TitleList.h TrackNumbers.cpp TrackNumbers.h
  REACHES text
  LINKS velnora_text)

# The program's own texts: captions, messages, the questions it asks, and the words of every layer
# above, given plain data.
velnora_layer(velnora_messages messages
  SOURCES AudioMessages.cpp AudioMessages.h Box.h BurnMessages.cpp BurnMessages.h Captions.cpp Captions.h
          CdTextMessages.cpp CdTextMessages.h ConverterMessages.cpp ConverterMessages.h DiscMessages.cpp
          DiscMessages.h FileMessages.cpp FileMessages.h Messages.cpp Messages.h ProgramName.h Question.h
  REACHES edit text
  LINKS velnora_edit)

velnora_layer(velnora_cdtext cdtext
  SOURCES CdTextBlock.h CdTextExport.cpp CdTextExport.h CdTextTexts.h JisX0208.cpp JisX0208.h LayoutBlocks.cpp
          LayoutBlocks.h PackWriter.cpp PackWriter.h
  REACHES messages text
  LINKS velnora_messages)

# What the session needs from the desktop, as an interface, and the process set-up.
velnora_layer(velnora_platform_core platform
  SOURCES CorePlatform.h ProcessSetup.cpp ProcessSetup.h
  REACHES messages edit cdtext text
  LINKS velnora_cdtext)

velnora_layer(velnora_document document
  SOURCES Document.cpp Document.h DropContents.cpp DropContents.h DroppedName.cpp DroppedName.h
          SampleDocument.cpp SampleDocument.h
  REACHES messages edit cdtext text
  LINKS velnora_cdtext)

velnora_layer(velnora_files files
  SOURCES CdTextFile.cpp CdTextFile.h FileAccess.cpp FileAccess.h TextSave.cpp TextSave.h
  REACHES messages edit cdtext text
  LINKS velnora_cdtext)

# The disc: decoding its audio (FFmpeg), the files' tags (TagLib), cue sheets (libcue), the CD image;
# QtCore only.
find_package(PkgConfig REQUIRED)
pkg_check_modules(TAGLIB REQUIRED IMPORTED_TARGET taglib)
pkg_check_modules(LIBCUE REQUIRED IMPORTED_TARGET libcue)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavformat libavcodec libswresample libavutil)
velnora_layer(velnora_audio audio
  SOURCES AudioDecoder.cpp AudioDecoder.h AudioInfo.h AudioProblem.h AudioTags.cpp AudioTags.h AudioTexts.cpp
          AudioTexts.h BoundedTagStream.cpp BoundedTagStream.h TagImport.cpp TagImport.h TagText.cpp TagText.h
          TrackOrder.cpp TrackOrder.h
  REACHES document files messages edit cdtext text
  LINKS velnora_document velnora_files PkgConfig::TAGLIB PkgConfig::FFMPEG)
velnora_layer(velnora_disc disc
  SOURCES CueSheet.cpp CueSheet.h CueSheetIn.cpp CueSheetIn.h CueSheetInDisc.cpp CueSheetInDisc.h DiscCheck.cpp DiscCheck.h DiscLength.cpp
          DiscLength.h DiscRefusal.h DiscTexts.cpp DiscTexts.h ImageWriter.cpp ImageWriter.h NewFileBeside.cpp
          NewFileBeside.h
  REACHES audio document files messages edit cdtext text
  LINKS velnora_audio velnora_cdtext PkgConfig::LIBCUE)

# The burner: the disc written through libburn, off the caller's thread.
pkg_check_modules(LIBBURN REQUIRED IMPORTED_TARGET libburn-1)
velnora_layer(velnora_burn burn
  SOURCES BurnJob.cpp BurnJob.h BurnOptions.h BurnOutcome.h BurnProgress.h BurnTexts.cpp BurnTexts.h Burner.cpp Burner.h DecoderSource.cpp
          DecoderSource.h DriveInfo.h Drives.cpp Drives.h GrabbedDrive.cpp GrabbedDrive.h LibburnSession.cpp
          LibburnSession.h MediumInfo.h MediumVerdict.cpp MediumVerdict.h SourceFailure.h
  REACHES disc audio files messages edit cdtext text document
  LINKS velnora_disc PkgConfig::LIBBURN)

velnora_layer(velnora_session session
  SOURCES DiscTracks.cpp DiscTracks.h Outcome.h Session.cpp Session.h Snapshot.cpp Snapshot.h TrackTools.cpp
          TrackTools.h
  REACHES burn disc audio document files platform messages edit titles cdtext text
  LINKS velnora_burn velnora_disc velnora_document velnora_files velnora_platform_core velnora_titles)

# The jacket's drawing, apart from any window: QtGui.
velnora_layer(velnora_jacket jacket
  SOURCES DrawJacket.cpp DrawJacket.h JacketPdf.cpp JacketPdf.h JacketSettings.cpp JacketSettings.h
          JacketSizeRule.cpp JacketSizeRule.h JacketSurface.cpp JacketSurface.h JacketTextStyle.h
          PainterSurface.cpp PainterSurface.h
  REACHES document files messages edit cdtext text
  LINKS velnora_document velnora_files Qt6::Gui)

# Everything below the windows, for the fuzz targets and benchmarks.
set(VELNORA_CORE_LAYERS velnora_text velnora_edit velnora_titles velnora_messages velnora_cdtext velnora_platform_core
    velnora_document velnora_files velnora_audio velnora_disc velnora_burn velnora_session velnora_jacket)
add_library(velnora_core INTERFACE)
target_link_libraries(velnora_core INTERFACE velnora_session velnora_jacket)

# The installed documentation folder as seen from the installed program's folder.
include(GNUInstallDirs)
file(RELATIVE_PATH VELNORA_DOC_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DOCDIR})
