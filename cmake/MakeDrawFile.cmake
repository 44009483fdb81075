# cmake -DCLI=numora-cli -DCSV=history.csv -DDIR=program-dir -P MakeDrawFile.cmake
if(NOT EXISTS "${DIR}/ZahlenTr.dat")
  set(ENV{ASAN_OPTIONS} "detect_leaks=0")
  execute_process(COMMAND "${CLI}" --dir "${DIR}" --game sayisal import-csv "${CSV}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not make ${DIR}/ZahlenTr.dat from ${CSV}")
  endif()
  message(STATUS "Made ${DIR}/ZahlenTr.dat from ${CSV}")
endif()
