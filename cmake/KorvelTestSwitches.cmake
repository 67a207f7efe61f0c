# Which tests a configure sets up, and the summary of those it leaves out.
#
# Tests that need tools beyond the compiler are decided afresh at every
# configure from the tools found then: a first configure made before the
# tools were installed (by tools/install-test-dependencies) caches no
# refusal, and the next configure sets the tests up. Only the user's own
# choice (-DKORVEL_WEB=OFF) is kept from one configure to the next.

# Records that the tests WHAT are left out, and WHY, for the summary.
function(korvel_left_out WHAT WHY)
  set_property(GLOBAL APPEND PROPERTY KORVEL_LEFT_OUT "${WHAT}: ${WHY}")
endfunction()

# Prints which tests this configure left out and why, or that none was.
function(korvel_report_left_out)
  get_property(ENTRIES GLOBAL PROPERTY KORVEL_LEFT_OUT)
  if(NOT ENTRIES)
    message(STATUS "Tests: none left out")
    return()
  endif()
  message(STATUS "Tests left out (install what is named, for instance with "
                 "tools/install-test-dependencies, and configure again):")
  foreach(ENTRY IN LISTS ENTRIES)
    message(STATUS "  ${ENTRY}")
  endforeach()
endfunction()

# VAR := the path of the first of the programs NAMES found. A path cached by
# an earlier configure is kept while its file exists; a program not found is
# looked for again at the next configure (find_program does so for a
# NOTFOUND value).
function(korvel_find_tool VAR)
  if(${VAR} AND NOT EXISTS "${${VAR}}")
    unset(${VAR} CACHE)
  endif()
  find_program(${VAR} NAMES ${ARGN})
endfunction()

# The switch of the page's tests, KORVEL_WEB: AUTO (the default) sets them up
# when Emscripten, Node, npm and Chromium are all found and the build is one
# whose flags the WebAssembly build can take; ON sets them up or stops the
# configure naming the missing tools; OFF leaves them out. RESULT := whether
# they are set up.
function(korvel_web_switch RESULT)
  set(HELP "Build the page with Emscripten and test it in Node and headless Chromium: AUTO (when the tools are found, looked for at every configure), ON or OFF")
  # A cache of an earlier version holds the choice made by its option() from
  # the tools found then, which is no choice of the user's: decide again.
  get_property(TYPE CACHE KORVEL_WEB PROPERTY TYPE)
  get_property(OLDHELP CACHE KORVEL_WEB PROPERTY HELPSTRING)
  if(TYPE STREQUAL "BOOL" AND OLDHELP STREQUAL
     "Build the page with Emscripten and test it in Node and headless Chromium")
    set(KORVEL_WEB AUTO CACHE STRING "${HELP}" FORCE)
  endif()
  set(KORVEL_WEB AUTO CACHE STRING "${HELP}")
  set_property(CACHE KORVEL_WEB PROPERTY STRINGS AUTO ON OFF)

  set(WHAT "web.build, web.npm, web.node, web.browser")
  string(TOUPPER "${KORVEL_WEB}" CHOICE)
  if(NOT CHOICE STREQUAL "AUTO" AND NOT KORVEL_WEB)
    korvel_left_out("${WHAT}" "KORVEL_WEB=${KORVEL_WEB}")
    set(${RESULT} OFF PARENT_SCOPE)
    return()
  endif()

  set(MISSING "")
  korvel_find_tool(KORVEL_EMCC emcc)
  if(NOT KORVEL_EMCC)
    list(APPEND MISSING "emcc (Debian: emscripten)")
  endif()
  korvel_find_tool(KORVEL_NODE node)
  if(NOT KORVEL_NODE)
    list(APPEND MISSING "node (Debian: nodejs)")
  endif()
  korvel_find_tool(KORVEL_NPM npm)
  if(NOT KORVEL_NPM)
    list(APPEND MISSING "npm (Debian: nodejs)")
  endif()
  korvel_find_tool(KORVEL_CHROMIUM chromium chromium-browser)
  if(NOT KORVEL_CHROMIUM)
    list(APPEND MISSING "chromium (Debian: chromium)")
  endif()
  list(JOIN MISSING ", " MISSINGTEXT)

  if(NOT CHOICE STREQUAL "AUTO")
    if(MISSING)
      message(FATAL_ERROR "KORVEL_WEB=${KORVEL_WEB}, but these are not found: ${MISSINGTEXT}")
    endif()
    set(${RESULT} ON PARENT_SCOPE)
    return()
  endif()

  # The sanitizer and fuzzing flags mean nothing to the WebAssembly build;
  # the libc++ build would only run the same tests again.
  set(UNSUITED "")
  if(KORVEL_SANITIZE)
    set(UNSUITED "the sanitizer build (KORVEL_SANITIZE)")
  elseif(KORVEL_FUZZ)
    set(UNSUITED "the fuzzing build (KORVEL_FUZZ)")
  elseif(KORVEL_LIBCXX)
    set(UNSUITED "the libc++ build, whose page would be that of the libstdc++ build")
  endif()
  if(MISSING)
    korvel_left_out("${WHAT}" "not found: ${MISSINGTEXT}")
    set(${RESULT} OFF PARENT_SCOPE)
  elseif(UNSUITED)
    korvel_left_out("${WHAT}" "not in ${UNSUITED} (-DKORVEL_WEB=ON sets them up)")
    set(${RESULT} OFF PARENT_SCOPE)
  else()
    set(${RESULT} ON PARENT_SCOPE)
  endif()
endfunction()
