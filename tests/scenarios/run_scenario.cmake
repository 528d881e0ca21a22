# Runs one scenario with tovik-drive in an empty folder and checks the exit code, the files
# the program must leave there and what it printed.
#   cmake -DDRIVE=... -DSCENARIO=... -DWORK=... [-DMODE=headless|qt]
#         [-DEXPECT_FILES="A.KVF;B.KVF"] [-DDAMAGED_FILES="PLF.KVF"] [-DEXPECT_CODE=1]
#         [-DEXPECT_PDF_TEXT="out.pdf=Some text;out.pdf=More"] [-DEXPECT_PDF_PAGES="out.pdf=2"]
#         -P run_scenario.cmake
# DAMAGED_FILES are written into the folder first, holding text that is no record file.
# MODE qt plays the scenario on the real widgets (tovik-drive --qt).
# EXPECT_PDF_TEXT: each PDF file the session printed must hold each text (read by pdftotext);
# EXPECT_PDF_PAGES: and have that many pages (read by pdfinfo).
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

# "file=value" into pdf and value.
macro(split_check check)
  string(FIND "${check}" "=" split)
  string(SUBSTRING "${check}" 0 ${split} pdf)
  math(EXPR from "${split} + 1")
  string(SUBSTRING "${check}" ${from} -1 wanted)
endmacro()

foreach(check IN LISTS EXPECT_PDF_PAGES)
  split_check("${check}")
  execute_process(COMMAND pdfinfo "${WORK}/${pdf}"
                  RESULT_VARIABLE pdfCode OUTPUT_VARIABLE pdfInfo ERROR_VARIABLE pdfError)
  if(NOT pdfCode EQUAL 0)
    message(FATAL_ERROR "${pdf} could not be read: ${pdfError}")
  endif()
  string(REGEX MATCH "Pages: +([0-9]+)" pagesLine "${pdfInfo}")
  if(NOT CMAKE_MATCH_1 STREQUAL "${wanted}")
    message(FATAL_ERROR "${pdf} has ${CMAKE_MATCH_1} pages, not ${wanted}")
  endif()
endforeach()
foreach(check IN LISTS EXPECT_PDF_TEXT)
  split_check("${check}")
  execute_process(COMMAND pdftotext -layout "${WORK}/${pdf}" -
                  RESULT_VARIABLE pdfCode OUTPUT_VARIABLE pdfText ERROR_VARIABLE pdfError)
  if(NOT pdfCode EQUAL 0)
    message(FATAL_ERROR "${pdf} could not be read: ${pdfError}")
  endif()
  string(FIND "${pdfText}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${pdf} does not show \"${wanted}\":\n${pdfText}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
