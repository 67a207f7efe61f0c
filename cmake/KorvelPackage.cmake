# The installed C++ package: the four core libraries and the Garside library
# with their headers, the CMake package Korvel (targets Korvel::basics,
# Korvel::braidbasics, Korvel::handlereduction, Korvel::braidconjugacy,
# Korvel::garside, each carrying the libraries it needs) and the pkg-config
# file korvel.pc; with them, when GMP was found, the library of Dynnikov
# coordinates, Korvel::coordinates, and the interface for programs,
# Korvel::korvel (they link gmpxx and gmp), and when FLINT was found too the
# library of the Burau representation, Korvel::burau, which the interface
# links.
#
#   cmake --install build --prefix P
#
# puts the libraries in P/lib, the headers in P/include/korvel/<module>/ and
# the package files in P/lib/cmake/Korvel and P/lib/pkgconfig; a consumer then
# calls find_package(Korvel 1.1 CONFIG) with P in CMAKE_PREFIX_PATH, or
# pkg-config with P/lib/pkgconfig in PKG_CONFIG_PATH. The interface's headers
# (P/include/korvel/korvel/) include none of the core's; the core's headers
# are installed for the programs that use the core libraries themselves.
#
# Adding a library to the package: append its target to
# KORVEL_INSTALLED_LIBRARIES (in the foreach below when it exists only with
# what it needs), and the flags of the libraries it needs outside Korvel to
# KORVEL_PC_EXTERNAL_LIBS, before the flags of the libraries those need in
# turn (FLINT needs GMP: -lflint comes before -lgmpxx -lgmp). The Libs line of
# korvel.pc is computed from both: every installed library, each before the
# installed libraries it links (as target_link_libraries says), then the
# external flags.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KORVEL_VERSION 1.1)  # the version the banner shows

set(KORVEL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Korvel)

set(KORVEL_INSTALLED_LIBRARIES basics braidbasics handlereduction braidconjugacy garside)
set(KORVEL_PC_EXTERNAL_LIBS)
# With GMP: the coordinates and the interface for programs, Korvel::korvel;
# with FLINT too, the Burau library.
foreach(library coordinates burau interface)
  if(TARGET ${library})
    list(APPEND KORVEL_INSTALLED_LIBRARIES ${library})
  endif()
endforeach()
if(TARGET burau)
  list(APPEND KORVEL_PC_EXTERNAL_LIBS -lflint)
endif()
if(TARGET coordinates)
  if(NOT KORVEL_LIBCXX)  # as the coordinates link it (coordinates/CMakeLists.txt)
    list(APPEND KORVEL_PC_EXTERNAL_LIBS -lgmpxx)
  endif()
  list(APPEND KORVEL_PC_EXTERNAL_LIBS -lgmp)
endif()
install(TARGETS ${KORVEL_INSTALLED_LIBRARIES}
        EXPORT KorvelTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvel)
install(EXPORT KorvelTargets NAMESPACE Korvel:: DESTINATION ${KORVEL_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KorvelConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/KorvelConfig.cmake
                              INSTALL_DESTINATION ${KORVEL_CMAKE_DIR})
# 1.x answers every request for 1.y with y <= x.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KorvelConfigVersion.cmake
                                 VERSION ${KORVEL_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KorvelConfig.cmake ${PROJECT_BINARY_DIR}/KorvelConfigVersion.cmake
        DESTINATION ${KORVEL_CMAKE_DIR})

# The link order of the installed libraries: repeatedly, the first library
# that no other remaining one links comes next. A static library must come
# before those it calls, and direct links suffice, since the order they give
# is transitive.
set(KORVEL_PC_REMAINING ${KORVEL_INSTALLED_LIBRARIES})
set(KORVEL_PC_LIBS)
while(KORVEL_PC_REMAINING)
  set(next)
  foreach(candidate IN LISTS KORVEL_PC_REMAINING)
    set(linked FALSE)
    foreach(other IN LISTS KORVEL_PC_REMAINING)
      get_target_property(links ${other} LINK_LIBRARIES)
      if(NOT other STREQUAL candidate AND links AND candidate IN_LIST links)
        set(linked TRUE)
      endif()
    endforeach()
    if(NOT linked)
      set(next ${candidate})
      break()
    endif()
  endforeach()
  if(NOT next)
    message(FATAL_ERROR "the installed libraries link each other in a cycle: ${KORVEL_PC_REMAINING}")
  endif()
  list(REMOVE_ITEM KORVEL_PC_REMAINING ${next})
  get_target_property(name ${next} OUTPUT_NAME)
  list(APPEND KORVEL_PC_LIBS -l${name})
endwhile()
list(APPEND KORVEL_PC_LIBS ${KORVEL_PC_EXTERNAL_LIBS})
list(JOIN KORVEL_PC_LIBS " " KORVEL_PC_LIBS)

# korvel.pc finds the prefix from its own place (${pcfiledir}), so it stays
# right whatever prefix cmake --install is given.
file(RELATIVE_PATH KORVEL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/korvel.pc.in ${PROJECT_BINARY_DIR}/korvel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/korvel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
