#pragma once

#include <string>

// The save's temporaries: ".<name>.<process>-<n>.tmp" beside the file they will replace. A
// running save holds its temporary open without letting others delete it until it is closed
// to take the file's place.

// The name of the `numero`th temporary of this process for `destino` (a path in the long form).
std::wstring NomeDeTemporario(const std::wstring& destino, unsigned numero);

// Removes what interrupted saves of `destino` left beside it: files named as its temporaries by
// a process that no longer runs, and that nobody holds. Other files' temporaries stay, and so
// does what cannot be removed, as it harms nothing.
void RemoverTemporariosDeixados(const std::wstring& destino);
