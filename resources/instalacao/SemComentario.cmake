# Run by CPack on its staging tree before it makes the package: removes the .comment section
# (the compilers' version notes, which nothing reads) from every program, as Debian's strip does.
file(GLOB_RECURSE arquivos LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(programas 0)
foreach(arquivo IN LISTS arquivos)
  if(IS_SYMLINK ${arquivo})
    continue()
  endif()
  file(READ ${arquivo} inicio LIMIT 4 HEX)
  if(NOT inicio STREQUAL "7f454c46")  # "\x7fELF"
    continue()
  endif()
  execute_process(COMMAND ${CPACK_ORTELO_STRIP} --remove-section=.comment ${arquivo}
    ERROR_VARIABLE erro RESULT_VARIABLE falhou)
  if(falhou)
    message(FATAL_ERROR "could not remove .comment from ${arquivo}: ${erro}")
  endif()
  math(EXPR programas "${programas} + 1")
endforeach()
if(programas EQUAL 0)
  message(FATAL_ERROR "no program found in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
