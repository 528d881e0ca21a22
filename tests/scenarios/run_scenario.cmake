# Runs one scenario with tovik-drive in an empty folder and checks the exit code and the
# files the program must leave there.
#   cmake -DDRIVE=... -DSCENARIO=... -DWORK=... [-DMODE=headless|qt]
#         [-DEXPECT_FILES="A.KVF;B.KVF"] [-DDAMAGED_FILES="PLF.KVF"] [-DEXPECT_CODE=1]
#         -P run_scenario.cmake
# DAMAGED_FILES are written into the folder first, holding text that is no record file.
if(NOT DEFINED EXPECT_CODE)
  set(EXPECT_CODE 0)
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
foreach(name IN LISTS DAMAGED_FILES)
  file(WRITE "${WORK}/${name}" "This text stands where a record file should be.\n")
endforeach()
set(mode_args)
if(MODE STREQUAL "qt")
  set(mode_args --qt)
endif()
execute_process(COMMAND "${DRIVE}" ${mode_args} "${SCENARIO}"
                WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE code
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                TIMEOUT 120)
message("${out}${err}")
if(NOT code STREQUAL "${EXPECT_CODE}")
  message(FATAL_ERROR "tovik-drive ended with ${code}, not ${EXPECT_CODE}")
endif()
foreach(name IN LISTS EXPECT_FILES)
  if(NOT EXISTS "${WORK}/${name}")
    message(FATAL_ERROR "${name} was not left in the folder")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
