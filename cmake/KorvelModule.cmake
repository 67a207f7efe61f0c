# korvel_module(NAME SOURCES file... [DEPENDS target...]) gives the static
# library NAME of one core folder, ready for the installed package: every
# header of the folder is public and installed under include/korvel/NAME/, so
# that a consumer writes the same includes as the project ("NAME/....h"); the
# archive is libkorvel_NAME, position-independent so that the Python module (a
# shared object) can hold it; DEPENDS are the libraries it needs, passed on
# to its users. cmake/KorvelPackage.cmake installs and exports the four.
include(GNUInstallDirs)

function(korvel_module name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;DEPENDS")
  add_library(${name} STATIC ${ARG_SOURCES})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  target_sources(${name} PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES ${headers})
  target_include_directories(${name} PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/korvel>)
  target_compile_features(${name} PUBLIC cxx_std_20)
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON OUTPUT_NAME korvel_${name})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
endfunction()
