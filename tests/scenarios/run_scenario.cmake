# Runs one scenario with tovik-drive in an empty folder and checks the exit code and the
# files the program must leave there.
#   cmake -DDRIVE=... -DSCENARIO=... -DWORK=... [-DMODE=headless|qt]
#         [-DEXPECT_FILES="A.KVF;B.KVF"] [-DDAMAGED_FILES="PLF.KVF"] [-DEXPECT_CODE=1]
#         [-DEXPECT_PDF=out.pdf -DEXPECT_PDF_PAGES=2 -DEXPECT_PDF_TEXTS="a;b"]
#         -P run_scenario.cmake
# EXPECT_PDF is a file the session printed: its page count and the texts on its pages (read
# with pdfinfo and pdftotext) are checked.
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
if(EXPECT_PDF)
  set(pdf "${WORK}/${EXPECT_PDF}")
  if(NOT EXISTS "${pdf}")
    message(FATAL_ERROR "${EXPECT_PDF} was not printed")
  endif()
  execute_process(COMMAND pdfinfo "${pdf}" OUTPUT_VARIABLE info RESULT_VARIABLE info_code)
  string(REGEX MATCH "Pages: +([0-9]+)" pages_line "${info}")
  if(NOT info_code EQUAL 0 OR NOT CMAKE_MATCH_1 STREQUAL "${EXPECT_PDF_PAGES}")
    message(FATAL_ERROR "${EXPECT_PDF} has ${CMAKE_MATCH_1} pages, not ${EXPECT_PDF_PAGES}\n${info}")
  endif()
  execute_process(COMMAND pdftotext -layout "${pdf}" - OUTPUT_VARIABLE text)
  foreach(wanted IN LISTS EXPECT_PDF_TEXTS)
    string(FIND "${text}" "${wanted}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${EXPECT_PDF} does not show \"${wanted}\":\n${text}")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE "${WORK}")
