#pragma once

#include <chrono>
#include <string>
#include <windows.h>

// A process of its own (segurar_arquivo) that holds `arquivo` without sharing writes or deletes
// for `tempo`: created once it holds the file, ended when this goes out of scope.
class Segurador {
public:
    Segurador(const std::string& arquivo, std::chrono::milliseconds tempo);
    ~Segurador();
    Segurador(const Segurador&) = delete;
    Segurador& operator=(const Segurador&) = delete;

    // Whether the file was held: false when it could not be opened.
    bool Segurando() const { return segurando_; }
    DWORD Processo() const { return informacao_.dwProcessId; }
    // Waits, with a generous limit, until the process has let go and ended.
    bool Terminou();

private:
    PROCESS_INFORMATION informacao_ {};
    bool segurando_ = false;
};
