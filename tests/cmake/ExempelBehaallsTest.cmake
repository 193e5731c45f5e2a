# A rebuild keeps what a teacher saved in the program folder: an edited
# sample stays byte for byte as saved, and a deleted sample comes back.
#   cmake -DBYGGE=<build folder> -DPROGRAMMAPP=<program folder> -DEXEMPEL=<samples> -P ExempelBehaallsTest.cmake
set(redigerad "${PROGRAMMAPP}/Djur.glo")
set(borttagen "${PROGRAMMAPP}/Tal.tst")
set(undan "${BYGGE}/Djur.glo.foere-test")
file(COPY_FILE "${redigerad}" "${undan}")

file(COPY_FILE "${EXEMPEL}/Färger.glo" "${redigerad}")
file(APPEND "${redigerad}" "hamster (ett litet husdjur)\r\n")
file(READ "${redigerad}" sparad HEX)
file(REMOVE "${borttagen}")

execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BYGGE}" --target sample_exercises RESULT_VARIABLE bygge)
file(READ "${redigerad}" efter HEX)
file(RENAME "${undan}" "${redigerad}")

if(NOT bygge EQUAL 0)
  message(FATAL_ERROR "the rebuild failed")
endif()
if(NOT efter STREQUAL sparad)
  message(FATAL_ERROR "the rebuild changed the teacher's Djur.glo")
endif()
if(NOT EXISTS "${borttagen}")
  message(FATAL_ERROR "the deleted Tal.tst did not come back")
endif()
file(READ "${borttagen}" tillbaka HEX)
file(READ "${EXEMPEL}/Tal.tst" original HEX)
if(NOT tillbaka STREQUAL original)
  message(FATAL_ERROR "Tal.tst came back with other contents")
endif()
