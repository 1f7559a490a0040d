#pragma once

#include <string>

// Test set-ups that not every system has. Where it has none, the set-up returns false and the
// tests that need it are left out of that platform's build by name (tests/CMakeLists.txt).

// A FIFO at `caminho`: a file that is no ordinary file and would block a reader.
bool CriarFifo(const std::string& caminho);
