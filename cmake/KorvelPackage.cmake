# The installed C++ package: the four core libraries and the Garside library
# with their headers, the CMake package Korvel (targets Korvel::basics,
# Korvel::braidbasics, Korvel::handlereduction, Korvel::braidconjugacy,
# Korvel::garside, each carrying the libraries it needs) and the pkg-config
# file korvel.pc; with them, when GMP was found, the library of Dynnikov
# coordinates, Korvel::coordinates, and the interface for programs,
# Korvel::korvel (in the CMake package only; they link gmpxx and gmp).
#
#   cmake --install build --prefix P
#
# puts the libraries in P/lib, the headers in P/include/korvel/<module>/ and
# the package files in P/lib/cmake/Korvel and P/lib/pkgconfig; a consumer then
# calls find_package(Korvel 1.1 CONFIG) with P in CMAKE_PREFIX_PATH, or
# pkg-config with P/lib/pkgconfig in PKG_CONFIG_PATH.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KORVEL_VERSION 1.1)  # the version the banner shows

set(KORVEL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Korvel)

set(KORVEL_INSTALLED_LIBRARIES basics braidbasics handlereduction braidconjugacy garside)
# With GMP: the coordinates and the interface for programs, Korvel::korvel.
foreach(library coordinates interface)
  if(TARGET ${library})
    list(APPEND KORVEL_INSTALLED_LIBRARIES ${library})
  endif()
endforeach()
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

# korvel.pc finds the prefix from its own place (${pcfiledir}), so it stays
# right whatever prefix cmake --install is given.
file(RELATIVE_PATH KORVEL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/korvel.pc.in ${PROJECT_BINARY_DIR}/korvel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/korvel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
