# Runs the program beside test archives of which one is missing, foreign, cut short or
# holds a damaged entry, and checks that the start-up ends with status 1 before the first
# question, with one line on standard error that matches EXPECT (a damaged picture may
# also have the decoder's line before it), and that no archive was written in the place
# of a missing one.
#   -DMAKE_CONTENT=... -DPROGRAM=... -DWORK=... -DSCRIPT=... -DEXPECT=regex
#   -DDAMAGE=missing|foreign|cut|entry -DFILE=gfx.arc|snd.arc|ENTRY
file(REMOVE_RECURSE ${WORK})
if(DAMAGE STREQUAL "entry")
  execute_process(COMMAND ${MAKE_CONTENT} ${PROGRAM} ${WORK} ${FILE} RESULT_VARIABLE made)
else()
  execute_process(COMMAND ${MAKE_CONTENT} ${PROGRAM} ${WORK} RESULT_VARIABLE made)
endif()
if(NOT made EQUAL 0)
  message(FATAL_ERROR "cannot make the test content")
endif()
if(DAMAGE STREQUAL "missing")
  file(REMOVE ${WORK}/${FILE})
elseif(DAMAGE STREQUAL "foreign")
  file(WRITE ${WORK}/${FILE} "a file of another program")
elseif(DAMAGE STREQUAL "cut")
  execute_process(COMMAND truncate -s 100 ${WORK}/${FILE})
endif()
execute_process(COMMAND ${WORK}/nupavane --headless --seed 1 --script ${SCRIPT}
                RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1\n${err}")
endif()
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines count)
set(most 1)
if(DAMAGE STREQUAL "entry" AND FILE MATCHES "^gfx")
  set(most 3)
endif()
if(count GREATER most OR NOT err MATCHES "${EXPECT}")
  message(FATAL_ERROR "standard error is not the one line '${EXPECT}':\n${err}")
endif()
if(DAMAGE STREQUAL "missing" AND EXISTS ${WORK}/${FILE})
  message(FATAL_ERROR "${FILE} was written by the game")
endif()
if(err MATCHES "script:")
  message(FATAL_ERROR "the script ran: the start-up went on past the damage\n${err}")
endif()
