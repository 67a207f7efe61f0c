# Shared by the checks of the installed package: run(COMMAND...) runs a
# command and stops the check with its output when it fails (OUTPUT holds
# what it printed), and the build tree BUILD is installed into the fresh
# prefix PREFIX = WORK/prefix.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE STATUS OUTPUT_VARIABLE OUT ERROR_VARIABLE ERR)
  if(NOT STATUS EQUAL 0)
    string(REPLACE ";" " " LINE "${ARGN}")
    message(FATAL_ERROR "${LINE} failed (${STATUS}):\n${OUT}\n${ERR}")
  endif()
  set(OUTPUT "${OUT}" PARENT_SCOPE)
endfunction()

set(PREFIX ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX})
