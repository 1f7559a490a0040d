#pragma once

// The system as the crash recovery sees it: every call it makes on files and locks goes through
// here, so tests can put a failing, hanging or refusing system in its place.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct EstadoDeArquivo {
    std::int64_t Modificado = 0;  // nanoseconds since the epoch
    unsigned Modo = 0;            // permission bits
};

struct DiscoRecuperacao {
    // Replaces the file atomically, with at most the permission bits `limiteDeModo`; throws.
    std::function<void(const std::string& arquivo, const std::string& conteudo, unsigned limiteDeModo)> Gravar;
    // Removes the file and makes the removal durable; a file already gone is no failure.
    std::function<void(const std::string& arquivo)> Remover;
    // The whole file; throws when it cannot be read.
    std::function<std::string(const std::string& arquivo)> Ler;
    // Nothing when the file is not there (or cannot be looked at).
    std::function<std::optional<EstadoDeArquivo>(const std::string& arquivo)> Consultar;
    // Takes the exclusive lock of an open lock file without waiting: 0, or the system's error
    // (EWOULDBLOCK: another process holds it).
    std::function<int(int descritor)> Travar;

    static DiscoRecuperacao Real();
};
