# Windows resources of a program: the icon drawn at build time (windows/Geradores.cmake), a version
# from the project's and a manifest, compiled by MinGW's windres as CMake's RC language.
#   ortelo_recursos_windows(TARGET "DESCRIPTION")
# Included at the top, where the RC language must be enabled for every folder's targets.
enable_language(RC)
set(ORTELO_VERSAO_WINDOWS ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
string(REPLACE "." "," ORTELO_VERSAO_VIRGULAS ${ORTELO_VERSAO_WINDOWS})

function(ortelo_recursos_windows alvo descricao)
  set(ORTELO_RC_ARQUIVO ${alvo})
  set(ORTELO_RC_DESCRICAO ${descricao})
  set(pasta ${CMAKE_CURRENT_BINARY_DIR}/recursos/${alvo})
  set(ORTELO_RC_MANIFESTO ${pasta}/${alvo}.manifest)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/recursos/Ortelo.manifest ${ORTELO_RC_MANIFESTO} COPYONLY)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/recursos/Programa.rc.in ${pasta}/${alvo}.rc @ONLY)
  # windres reads the icon and the manifest; CMake does not see into the .rc file.
  set_source_files_properties(${pasta}/${alvo}.rc TARGET_DIRECTORY ${alvo} PROPERTIES
    OBJECT_DEPENDS "${ORTELO_ICONE_WINDOWS};${ORTELO_RC_MANIFESTO}")
  target_sources(${alvo} PRIVATE ${pasta}/${alvo}.rc)
  add_dependencies(${alvo} ortelo_geradores)
endfunction()
