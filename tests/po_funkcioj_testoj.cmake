# Included by CTest (through the folder's TEST_INCLUDE_FILES) with nomo,
# programo, listo, medio (the environment, "@FUNKCIO@" standing for the
# function's own home), kostoj ("nomo:funkcio=seconds") and tempolimo set:
# one entry "nomo:funkcio" per function the program listed after its last
# link, or the whole program as one entry until it has been listed.
if(EXISTS "${listo}")
  file(STRINGS "${listo}" funkcioj REGEX "^[A-Za-z_][A-Za-z0-9_]*\\(\\)$")
else()
  set(funkcioj)
endif()
if(NOT funkcioj)
  string(REPLACE "@FUNKCIO@" "tuta" medio_tuta "${medio}")
  add_test("${nomo}" "${programo}")
  set_tests_properties("${nomo}" PROPERTIES TIMEOUT ${tempolimo} ENVIRONMENT "${medio_tuta}")
  return()
endif()
foreach(f IN LISTS funkcioj)
  string(REGEX REPLACE "\\(\\)$" "" f "${f}")
  set(kosto 0)
  foreach(ero IN LISTS kostoj)
    if(ero MATCHES "^${nomo}:${f}=([0-9]+)$")
      set(kosto ${CMAKE_MATCH_1})
    endif()
  endforeach()
  string(REPLACE "@FUNKCIO@" "${f}" medio_f "${medio}")
  add_test("${nomo}:${f}" "${programo}" "${f}")
  set_tests_properties("${nomo}:${f}" PROPERTIES TIMEOUT ${tempolimo} COST ${kosto} ENVIRONMENT "${medio_f}")
endforeach()
