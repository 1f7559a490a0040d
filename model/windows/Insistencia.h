#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>

// Antivirus scanners, the search indexer, sync and backup tools and the reader's own software
// hold files for moments. A step that fails for such a cause (a sharing or lock violation, or an
// access denied that nothing lasting explains) is tried again, with growing pauses, until about
// two seconds after the first step of the operation; the steps of one operation share that time.
class Insistencia {
public:
    static constexpr std::chrono::milliseconds Prazo{2000};

    Insistencia();
    // Runs `passo` (true when it succeeded, the reason left for GetLastError otherwise) until it
    // succeeds, fails for a reason that does not pass, or the time is up. `arquivos` are the
    // files the step needs `acesso` to: an access denied passes only where one of them is there
    // and none is read-only, a folder, or refused that access by its access list. When the time
    // ran out on a passing cause, GetLastError says the file is in use.
    bool Tentar(const std::function<bool()>& passo, std::initializer_list<const std::wstring*> arquivos,
                DWORD acesso = DELETE);

private:
    std::chrono::steady_clock::time_point fim_;
    std::chrono::milliseconds pausa_{5};
};

// Whether the system's error on `arquivos` comes from another program holding them.
bool CausaPassageira(DWORD erro, std::initializer_list<const std::wstring*> arquivos, DWORD acesso);
