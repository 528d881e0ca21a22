# Runs one scenario with tovik-drive in an empty folder and checks the exit code and the
# files the program must leave there.
#   cmake -DDRIVE=... -DSCENARIO=... -DWORK=... [-DEXPECT_FILES="A.KVF;B.KVF"] -P run_scenario.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${DRIVE}" "${SCENARIO}"
                WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE code
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                TIMEOUT 120)
message("${out}${err}")
if(NOT code STREQUAL "0")
  message(FATAL_ERROR "tovik-drive ended with ${code}")
endif()
foreach(name IN LISTS EXPECT_FILES)
  if(NOT EXISTS "${WORK}/${name}")
    message(FATAL_ERROR "${name} was not left in the folder")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
