# Fills the manual page's @SETTINGS@ with what the program given prints (the settings section,
# from the same description as kelvrin-cli's own help).
#   cmake -DTEMPLATE=<page.in> -DOUTPUT=<page> -DPROGRAM=<kelvrin_cli_manual> -P FillManual.cmake
execute_process(COMMAND "${PROGRAM}" OUTPUT_VARIABLE settings RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} failed: ${failed}")
endif()
file(READ "${TEMPLATE}" page)
string(REPLACE "@SETTINGS@" "${settings}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
