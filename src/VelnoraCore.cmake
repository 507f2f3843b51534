# The core library: text, numbers and geometry only; never shows UI. Both this project and the fuzz
# targets include this file, so the list of core sources is kept here alone.
file(GLOB_RECURSE VELNORA_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/text/*.cpp ${CMAKE_CURRENT_LIST_DIR}/text/*.h
  ${CMAKE_CURRENT_LIST_DIR}/edit/*.cpp ${CMAKE_CURRENT_LIST_DIR}/edit/*.h
  ${CMAKE_CURRENT_LIST_DIR}/titles/*.cpp ${CMAKE_CURRENT_LIST_DIR}/titles/*.h
  ${CMAKE_CURRENT_LIST_DIR}/jacket/logic/*.cpp ${CMAKE_CURRENT_LIST_DIR}/jacket/logic/*.h
  ${CMAKE_CURRENT_LIST_DIR}/app/logic/*.cpp ${CMAKE_CURRENT_LIST_DIR}/app/logic/*.h
  ${CMAKE_CURRENT_LIST_DIR}/cdtext/*.cpp ${CMAKE_CURRENT_LIST_DIR}/cdtext/*.h
  ${CMAKE_CURRENT_LIST_DIR}/messages/*.cpp ${CMAKE_CURRENT_LIST_DIR}/messages/*.h)
add_library(velnora_core STATIC ${VELNORA_CORE_SOURCES})
set_target_properties(velnora_core PROPERTIES AUTOMOC ON)
target_include_directories(velnora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velnora_core PUBLIC Qt6::Core Qt6::Gui)

# The installed documentation folder as seen from the installed program's folder.
include(GNUInstallDirs)
file(RELATIVE_PATH VELNORA_DOC_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DOCDIR})
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/app/logic/HelpLocation.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  "VELNORA_DOC_FROM_BIN=\"${VELNORA_DOC_FROM_BIN}\"")
