cmake_minimum_required(VERSION 3.25)
# Installs the build into a fresh prefix, validates what the desktop reads of it (launcher
# entry, metainfo, icons, manual page), makes the prefix read-only and plays the installed
# game there: it saves, loads and keeps its settings in the user's folders, and writes
# nothing into the prefix.
set(prefix ${WORK}/prefix)
set(home ${WORK}/home)
set(id org.nupavane.nupavane)
if(EXISTS ${WORK})
  execute_process(COMMAND chmod -R u+w ${WORK})
endif()
file(REMOVE_RECURSE ${WORK})

function(require_file path why)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "${why}: ${path}")
  endif()
endfunction()

# Runs a command; it must end with 0 and, with QUIET, say nothing at all.
function(run)
  cmake_parse_arguments(R "QUIET" "" "COMMAND" ${ARGN})
  execute_process(COMMAND ${R_COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR (R_QUIET AND NOT "${out}${err}" STREQUAL ""))
    string(REPLACE ";" " " shown "${R_COMMAND}")
    message(FATAL_ERROR "${shown}: status ${status}\n${out}${err}")
  endif()
endfunction()

run(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})

foreach(file bin/nupavane bin/nupavane-sim bin/nupavane-arc share/nupavane/gfx.arc share/nupavane/snd.arc
        share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml share/man/man6/nupavane.6)
  require_file(${prefix}/${file} "not installed")
endforeach()

# Every icon is a PNG of its size: the width and height words of its header.
foreach(size 32 48 64 128 256)
  set(icon ${prefix}/share/icons/hicolor/${size}x${size}/apps/${id}.png)
  require_file(${icon} "no ${size} x ${size} icon")
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT header MATCHES "^89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon} is not a ${size} x ${size} PNG: ${header}")
  endif()
endforeach()

run(QUIET COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/share/applications/${id}.desktop)
run(COMMAND ${APPSTREAMCLI} validate --no-net --strict ${prefix}/share/metainfo/${id}.metainfo.xml)
run(QUIET COMMAND ${GROFF} -man -t -ww -z ${prefix}/share/man/man6/nupavane.6)
file(STRINGS ${prefix}/share/applications/${id}.desktop entry)
if(NOT "Icon=${id}" IN_LIST entry OR NOT "Exec=nupavane" IN_LIST entry)
  message(FATAL_ERROR "the launcher entry names another icon or program")
endif()

# From here on nothing may change in the prefix.
execute_process(COMMAND chmod -R a-w ${prefix})
file(GLOB_RECURSE before LIST_DIRECTORIES true ${prefix}/*)

set(environment XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data XDG_STATE_HOME=${home}/state HOME=${home})
function(play script)
  run(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${prefix}/bin/nupavane --headless --seed 1 --script ${script})
endfunction()

# A round that saves into "Slot 1" and ends the game.
play(${SCRIPTS}/../scripts/one_round.txt)
require_file(${home}/data/nupavane/slot0.sve "the savegame is not in the data folder")
require_file(${home}/state/nupavane/Kelth.txt "the sound log is not in the state folder")
play(${SCRIPTS}/load.txt)
require_file(${home}/config/nupavane/settings.dta "the settings are not in the configuration folder")
play(${SCRIPTS}/settings.txt)

# The simulation reads the installed land too.
run(COMMAND ${prefix}/bin/nupavane-sim --months 3 --quiet)

# --save-dir takes every file the game writes.
run(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${prefix}/bin/nupavane --headless --save-dir ${WORK}/saves
            --script ${SCRIPTS}/../scripts/first_screen.txt)
require_file(${WORK}/saves/Kelth.txt "--save-dir: the sound log is not there")

file(GLOB_RECURSE after LIST_DIRECTORIES true ${prefix}/*)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "the game wrote into its prefix")
endif()
execute_process(COMMAND chmod -R u+w ${prefix})
