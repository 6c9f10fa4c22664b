# A whole game played headless on the real content with the computer's rulers of the kind
# KIND: the human (character 0) only ends every round, and every other tap dismisses what
# the month shows (announcements, fights, the report), or lands where nothing answers it.
# After MONTHS rounds' worth of taps the game must have ended (a talisman or a defeat) and
# a new game's questions must be waiting: the state then holds no rulers.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM} ${ARCHIVES}/gfx.arc ${ARCHIVES}/snd.arc DESTINATION ${WORK})
get_filename_component(name ${PROGRAM} NAME)

set(script "wait 200\ntap 223 47\nwait 200\ntap 73 87\nuntil START 30000\nwait 50\ntap 240 200\nuntil ROUND 20000\n")
string(APPEND script "expect player.1.type 1\nexpect player.2.type 1\n")
string(REPEAT "tap 160 10\nwait 200\n" 80 dismissals)
foreach(month RANGE 1 ${MONTHS})
  # The hourglass; then taps at the top edge, which the round screen ignores.
  string(APPEND script "tap 160 215\nwait 200\n${dismissals}")
endforeach()
string(APPEND script "state ${WORK}/end.txt\n")
file(WRITE ${WORK}/game.txt "${script}")

execute_process(COMMAND ${WORK}/${name} --headless --seed ${SEED} --computer ${KIND} --script ${WORK}/game.txt
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT status EQUAL 0)
  string(REGEX MATCHALL "script:[^\n]*" failure "${err}")
  message(FATAL_ERROR "exit status ${status}: ${failure}")
endif()
file(READ ${WORK}/end.txt state)
if(state MATCHES "player\\.0\\.type")
  string(REGEX MATCH "round = [0-9]+" round "${state}")
  message(FATAL_ERROR "the game was still going after ${MONTHS} rounds (${round})")
endif()
