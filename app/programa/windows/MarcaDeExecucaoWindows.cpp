#include "MarcaDeExecucao.h"

#include <windows.h>

// A named mutex lives as long as one handle to it is open; the system closes this one when the
// process ends, however it ends, so a crashed copy never blocks an install. Nobody waits on it:
// its existence is the mark. Failing to create it only costs the installer's check.
void MarcarEmExecucao()
{
    static const HANDLE marca = CreateMutexW(nullptr, FALSE, NomeMarcaDeExecucao);
    static_cast<void>(marca);
}
