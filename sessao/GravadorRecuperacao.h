#pragma once

// Writes one recovery slot's file on a thread of its own, so the editor never waits for the disk.
// A card is written a moment after it was asked for, so that a burst of changes makes one write;
// only the newest request counts.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The disk as the writer sees it; tests put a failing or hanging one in its place.
struct DiscoRecuperacao {
    // Replaces the file atomically; throws on failure.
    std::function<void(const std::string& arquivo, const std::string& conteudo)> Gravar;
    std::function<void(const std::string& arquivo)> Remover;

    static DiscoRecuperacao Real();
};

class GravadorRecuperacao {
public:
    // `arquivos`: the slot's file first; a removal removes them all, and a write the others.
    // `aoFalhar` is called on the writer's thread with the reason of each failed write.
    GravadorRecuperacao(std::vector<std::string> arquivos, DiscoRecuperacao disco, std::chrono::milliseconds atraso,
                        std::function<void(const std::string& razao)> aoFalhar);
    // Finishes what was asked, waiting about a second at most: a disk that hangs keeps the
    // unfinished write, never the program.
    ~GravadorRecuperacao();
    GravadorRecuperacao(const GravadorRecuperacao&) = delete;
    GravadorRecuperacao& operator=(const GravadorRecuperacao&) = delete;

    void Guardar(std::string conteudo);
    void Remover();
    // Writes what is pending now, without the delay, and waits until it is done.
    void Esperar();

    static constexpr std::chrono::milliseconds EsperaAoEncerrar{1000};

private:
    struct Estado;
    std::shared_ptr<Estado> estado_;
};
