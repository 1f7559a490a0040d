# A cross-build cannot run what it builds: the generators that finish the pictures at build time
# are built for this machine, with its own compiler and Qt, as a project of their own.
include(ExternalProject)
set(ORTELO_PASTA_GERADORES ${CMAKE_BINARY_DIR}/geradores)
ExternalProject_Add(ortelo_geradores
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/anfitriao
  BINARY_DIR ${ORTELO_PASTA_GERADORES}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DCMAKE_TOOLCHAIN_FILE=
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${ORTELO_PASTA_GERADORES}/ortelo_gravar_figuras ${ORTELO_PASTA_GERADORES}/ortelo.ico)
set(ORTELO_GRAVAR_FIGURAS ${ORTELO_PASTA_GERADORES}/ortelo_gravar_figuras)
# The programs' and the installer's icon (windows/Recursos.cmake).
set(ORTELO_ICONE_WINDOWS ${ORTELO_PASTA_GERADORES}/ortelo.ico)
