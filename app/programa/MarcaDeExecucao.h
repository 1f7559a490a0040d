#pragma once

// The installer must not replace the program's files while a copy runs. Each copy marks itself
// running, for the life of the process, where an installer of the same user can see it.
// The name the installer checks for (windows/instalador/Ortelo.nsi.in).
inline constexpr const wchar_t* NomeMarcaDeExecucao = L"Local\\OrteloEmExecucao";

void MarcarEmExecucao();
