# Runs the program beside a fresh copy of the real archives (so no settings or savegames
# of a developer's own play get in the way) with a script, and checks it ends with 0.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM} ${ARCHIVES}/gfx.arc ${ARCHIVES}/snd.arc DESTINATION ${WORK})
get_filename_component(name ${PROGRAM} NAME)
execute_process(COMMAND ${WORK}/${name} --headless --seed 1 --script ${SCRIPT}
                RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT status EQUAL 0)
  string(REGEX MATCHALL "script:[^\n]*" failure "${err}")
  message(FATAL_ERROR "exit status ${status}: ${failure}")
endif()
