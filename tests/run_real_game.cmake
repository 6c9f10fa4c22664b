# Runs the program headless beside a fresh copy of the real archives (so no settings or
# savegames of a developer's own play get in the way) and checks it ends with 0: on SCRIPT,
# or, with MONTHS, a whole game against the computer's rulers of the kind KIND.
#
# The whole game: the human (character 0) only ends every round, and every other tap
# dismisses what the month shows (announcements, fights, the report), or lands where
# nothing answers it. After MONTHS rounds' worth of taps the game must have ended (a
# talisman or a defeat) and a new game's questions must be waiting: the state then holds
# no rulers.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM} ${ARCHIVES}/gfx.arc ${ARCHIVES}/snd.arc DESTINATION ${WORK})
get_filename_component(name ${PROGRAM} NAME)
set(options --seed 1 --script ${SCRIPT})
if(DEFINED MONTHS)
  set(script "wait 200\ntap 223 47\nwait 200\ntap 73 87\nuntil START 30000\nwait 50\ntap 240 200\nuntil ROUND 20000\n")
  string(APPEND script "expect player.1.type 1\nexpect player.2.type 1\n")
  string(REPEAT "tap 160 10\nwait 200\n" 80 dismissals)
  foreach(month RANGE 1 ${MONTHS})
    # The hourglass; then taps at the top edge, which the round screen ignores.
    string(APPEND script "tap 160 215\nwait 200\n${dismissals}")
  endforeach()
  string(APPEND script "state ${WORK}/end.txt\n")
  file(WRITE ${WORK}/game.txt "${script}")
  set(options --seed ${SEED} --computer ${KIND} --script ${WORK}/game.txt)
endif()
execute_process(COMMAND ${WORK}/${name} --headless ${options}
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT status EQUAL 0)
  string(REGEX MATCHALL "script:[^\n]*" failure "${err}")
  message(FATAL_ERROR "exit status ${status}: ${failure}")
endif()
if(DEFINED MONTHS)
  file(READ ${WORK}/end.txt state)
  if(state MATCHES "player\\.0\\.type")
    string(REGEX MATCH "round = [0-9]+" round "${state}")
    message(FATAL_ERROR "the game was still going after ${MONTHS} rounds (${round})")
  endif()
endif()
