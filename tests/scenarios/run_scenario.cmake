# Runs one scenario with tovik-drive in an empty folder and checks the exit code and the
# files the program must leave there.
#   cmake -DDRIVE=... -DSCENARIO=... -DWORK=... [-DEXPECT_FILES="A.KVF;B.KVF"]
#         [-DDAMAGED_FILES="PLF.KVF"] [-DEXPECT_CODE=1] [-DPDF_TEXTS="a.pdf=TEXT;..."]
#         -P run_scenario.cmake
# PDF_TEXTS: each PDF file the session printed must hold the text (read with pdftotext).
# DAMAGED_FILES are written into the folder first, holding text that is no record file.
if(NOT DEFINED EXPECT_CODE)
  set(EXPECT_CODE 0)
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
foreach(name IN LISTS DAMAGED_FILES)
  file(WRITE "${WORK}/${name}" "This text stands where a record file should be.\n")
endforeach()
execute_process(COMMAND "${DRIVE}" "${SCENARIO}"
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
foreach(item IN LISTS PDF_TEXTS)
  string(FIND "${item}" "=" at)
  string(SUBSTRING "${item}" 0 ${at} pdf)
  math(EXPR from "${at} + 1")
  string(SUBSTRING "${item}" ${from} -1 wanted)
  execute_process(COMMAND pdftotext "${WORK}/${pdf}" - OUTPUT_VARIABLE text RESULT_VARIABLE pdfcode)
  string(FIND "${text}" "${wanted}" found)
  if(NOT pdfcode EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "${pdf} does not show \"${wanted}\"")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
