# Makes one of the documents the package installs compressed, at build time:
#   cmake -DFONTE=<file> -DSAIDA=<file> [-DSCDOC=<scdoc> -DDATA=<epoch>] -P GerarDocumento.cmake
# With SCDOC, FONTE is a manual page's scdoc source and SAIDA the page, dated DATA; without, SAIDA
# is a copy of FONTE. SAIDA.gz follows, as Debian installs documents: gzip -9 with no name or time
# inside, so the same sources give the same bytes.
if(SCDOC)
  set(ENV{SOURCE_DATE_EPOCH} ${DATA})
  execute_process(COMMAND ${SCDOC} INPUT_FILE ${FONTE} OUTPUT_VARIABLE pagina ERROR_VARIABLE erro RESULT_VARIABLE falhou)
  if(falhou)
    message(FATAL_ERROR "scdoc could not make a manual page of ${FONTE}: ${erro}")
  endif()
  # The pages are Portuguese, and groff would break their words by English rules (and the JSON
  # codes at their hyphens): no hyphenation, set after .TH, which turns it back on.
  string(REGEX REPLACE "(\n\\.TH [^\n]*\n)" "\\1.nh\n" pagina "${pagina}")
  file(WRITE ${SAIDA} "${pagina}")
else()
  configure_file(${FONTE} ${SAIDA} COPYONLY)
endif()
execute_process(COMMAND gzip -9 -n -c ${SAIDA} OUTPUT_FILE ${SAIDA}.gz RESULT_VARIABLE falhou)
if(falhou)
  file(REMOVE ${SAIDA}.gz)
  message(FATAL_ERROR "gzip could not compress ${SAIDA}")
endif()
