#pragma once

#include <string>
#include <windows.h>

// Whether the file's access list refuses this process's user `acesso`. It is asked as well as
// the file system, which lets some users past a list (and, under Wine, one run as root past
// every list). A list that cannot be read refuses nothing here: the file system decides.
bool ListaNegaAcesso(const std::wstring& arquivo, DWORD acesso);
