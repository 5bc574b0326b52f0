# Lists the test functions of a test program, one a line as Qt Test prints
# them ("name()"), into LISTO. Run after the program links (cmake -P), so
# the list follows the program: -DPROGRAMO= -DLISTO= -DHEJMO=
# Listing starts the program as a test does, so it gets a home of its own
# and the headless platform; what it leaks on the way out is of no interest.
file(MAKE_DIRECTORY "${HEJMO}")
set(ENV{HOME} "${HEJMO}")
set(ENV{XDG_RUNTIME_DIR} "${HEJMO}/run")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND "${PROGRAMO}" -functions
  OUTPUT_VARIABLE eligo ERROR_VARIABLE eraroj RESULT_VARIABLE rezulto)
if(NOT rezulto EQUAL 0 OR NOT eligo MATCHES "\\(\\)")
  message(FATAL_ERROR "${PROGRAMO} -functions failed (${rezulto}):\n${eligo}${eraroj}")
endif()
file(WRITE "${LISTO}.nova" "${eligo}")
file(RENAME "${LISTO}.nova" "${LISTO}")
