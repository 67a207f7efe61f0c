# Installs the build tree BUILD into the fresh prefix WORK/prefix, then
# configures the program of SOURCE with find_package(Korvel) and that prefix
# alone (with the compiler CXX_COMPILER and the flags CXX_FLAGS the libraries
# were built with), builds it and runs it: sigma_2 sigma_1^-1 on three strands
# has the coordinates (-1, -1, 1, 2, 0, 2), worked out by hand, sign - in the
# R-ordering and + in the F-ordering.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../../install/fresh_prefix.cmake)
foreach(FILE include/korvel/coordinates/dynnikov.h include/korvel/coordinates/lamination.h)
  if(NOT EXISTS ${PREFIX}/${FILE})
    message(FATAL_ERROR "${FILE} was not installed")
  endif()
endforeach()

run(${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/user -DCMAKE_PREFIX_PATH=${PREFIX}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK}/user)
run(${WORK}/user/coordinates_user)
if(NOT OUTPUT STREQUAL "-1 -1 1 2 0 2 -1 1\n")
  message(FATAL_ERROR "the program built against the installed Korvel::coordinates printed:\n${OUTPUT}")
endif()
