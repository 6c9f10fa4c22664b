# Records a scripted session with --record, replays the recording headless and checks that
# both end in the same state dump, and that the recording names its seed.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(READ ${SESSION} session)
string(REPLACE "STATE_FILE" "${WORK}/played.txt" session "${session}")
file(WRITE ${WORK}/session.txt "${session}")
execute_process(COMMAND ${PROGRAM} --headless --seed 4242 --script ${WORK}/session.txt --record ${WORK}/recording.txt
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the recorded session ended with ${status}: ${err}")
endif()
file(READ ${WORK}/recording.txt recording)
if(NOT recording MATCHES "\nseed 4242\n" OR NOT recording MATCHES "\nuntil INTRO [0-9]+\n" OR NOT recording MATCHES "\ntap 73 87\n")
  message(FATAL_ERROR "the recording lacks its seed, a screen or a tap:\n${recording}")
endif()
# The replay takes its seed from the recording, and dumps where the session ended.
file(APPEND ${WORK}/recording.txt "state ${WORK}/replayed.txt\n")
execute_process(COMMAND ${PROGRAM} --headless --script ${WORK}/recording.txt
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the replay ended with ${status}: ${err}")
endif()
file(READ ${WORK}/played.txt played)
file(READ ${WORK}/replayed.txt replayed)
if(NOT played STREQUAL replayed)
  message(FATAL_ERROR "the replay ends elsewhere:\nplayed:\n${played}\nreplayed:\n${replayed}\nrecording:\n${recording}")
endif()
