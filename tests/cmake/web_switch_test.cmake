# The switch of the page's tests across configures of one build folder, as
# the README's commands make them: a configure before Emscripten, Node, npm
# and Chromium are installed leaves the tests out and says why; the next
# configure, once they are there, sets them up, also over a cache of an
# earlier version that recorded the refusal as an option's value. The user's
# own KORVEL_WEB=OFF stays; KORVEL_WEB=ON without the tools stops the
# configure. The tools are stand-ins: programs of those names that do
# nothing, on a PATH that is all the search sees.
#
#   cmake -DSOURCE=<repository> -DWORK=<scratch folder> -DGENERATOR=<generator>
#         -DMAKE=<its build program> -P web_switch_test.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
set(NOTOOLS ${WORK}/no-tools)
set(TOOLS ${WORK}/tools)
set(BUILD ${WORK}/build)
file(MAKE_DIRECTORY ${NOTOOLS} ${TOOLS} ${BUILD})
foreach(TOOL emcc node npm chromium)
  file(WRITE ${TOOLS}/${TOOL} "#!/bin/sh\nexit 0\n")
  file(CHMOD ${TOOLS}/${TOOL} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()

# Configures the build folder with PATH as the only place programs are looked
# for; OUTPUT := what it printed, STATUS := its exit status.
function(CONFIGURE PATH OUTPUT STATUS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env PATH=${PATH}
            ${CMAKE_COMMAND} -S ${SOURCE}/tests/cmake/switches -B ${BUILD} -G ${GENERATOR}
            -DCMAKE_MAKE_PROGRAM=${MAKE} -DKORVEL_SOURCE=${SOURCE}
            -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF ${ARGN}
    OUTPUT_VARIABLE OUT ERROR_VARIABLE ERR RESULT_VARIABLE RESULT)
  set(${OUTPUT} "${OUT}${ERR}" PARENT_SCOPE)
  set(${STATUS} ${RESULT} PARENT_SCOPE)
endfunction()

function(EXPECT TEXT PART WHAT)
  string(FIND "${TEXT}" "${PART}" AT)
  if(AT EQUAL -1)
    message(FATAL_ERROR "${WHAT}: \"${PART}\" is not in the output:\n${TEXT}")
  endif()
endfunction()

function(CACHED VALUE WHAT)
  file(STRINGS ${BUILD}/CMakeCache.txt LINE REGEX "^KORVEL_WEB:")
  if(NOT LINE STREQUAL "KORVEL_WEB:STRING=${VALUE}")
    message(FATAL_ERROR "${WHAT}: the cache holds ${LINE}, not KORVEL_WEB:STRING=${VALUE}")
  endif()
endfunction()

# A cache of the earlier option(), written when the tools were missing.
file(WRITE ${BUILD}/CMakeCache.txt
  "//Build the page with Emscripten and test it in Node and headless Chromium\n"
  "KORVEL_WEB:BOOL=OFF\n")

CONFIGURE(${NOTOOLS} OUT STATUS)
EXPECT("${OUT}" "The page's tests: OFF" "without the tools")
EXPECT("${OUT}" "web.build, web.npm, web.node, web.browser: not found: emcc (Debian: emscripten), node (Debian: nodejs), npm (Debian: nodejs), chromium (Debian: chromium)" "without the tools")
CACHED(AUTO "without the tools, over the old cache")

CONFIGURE(${TOOLS} OUT STATUS)
EXPECT("${OUT}" "The page's tests: ON" "once the tools are installed")
EXPECT("${OUT}" "Tests: none left out" "once the tools are installed")
CACHED(AUTO "once the tools are installed")

CONFIGURE(${TOOLS} OUT STATUS -DKORVEL_WEB=OFF)
EXPECT("${OUT}" "The page's tests: OFF" "KORVEL_WEB=OFF")
EXPECT("${OUT}" "web.build, web.npm, web.node, web.browser: KORVEL_WEB=OFF" "KORVEL_WEB=OFF")
CONFIGURE(${TOOLS} OUT STATUS)
EXPECT("${OUT}" "The page's tests: OFF" "the user's OFF stays")

CONFIGURE(${TOOLS} OUT STATUS -DKORVEL_WEB=AUTO -DKORVEL_SANITIZE=ON)
EXPECT("${OUT}" "The page's tests: OFF" "the sanitizer build")
EXPECT("${OUT}" "not in the sanitizer build (KORVEL_SANITIZE)" "the sanitizer build")

# The tools removed: the paths cached for them are not trusted, and ON
# without them stops the configure.
file(REMOVE ${TOOLS}/emcc ${TOOLS}/chromium)
CONFIGURE(${TOOLS} OUT STATUS -DKORVEL_WEB=ON -DKORVEL_SANITIZE=OFF)
if(STATUS EQUAL 0)
  message(FATAL_ERROR "KORVEL_WEB=ON without the tools configured:\n${OUT}")
endif()
# (An error message is wrapped at blanks.)
EXPECT("${OUT}" "KORVEL_WEB=ON, but these are not found: emcc" "KORVEL_WEB=ON without the tools")

file(REMOVE_RECURSE ${WORK})
