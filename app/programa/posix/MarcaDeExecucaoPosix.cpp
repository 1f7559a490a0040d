#include "MarcaDeExecucao.h"

// A package manager replaces a running program's files safely: there is nothing to mark.
void MarcarEmExecucao() {}
