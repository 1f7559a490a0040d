#pragma once

// Writes one recovery slot's file on a thread of its own, so the editor never waits for the disk.
// A card is written a moment after it was asked for, so that a burst of changes makes one write;
// only the newest request counts.

#include "DiscoRecuperacao.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class GravadorRecuperacao {
public:
    // `arquivos`: the slot's file first; a removal removes them all, and a write the others.
    // `guarda` (the slot's lock) is kept until the thread is done, however long the owner lived.
    // `aoFalhar` is called on the writer's thread, outside its lock, with the reason of each
    // failed write; it may come after this object is gone, so it must not reach back to the owner.
    GravadorRecuperacao(std::vector<std::string> arquivos, std::shared_ptr<const void> guarda, DiscoRecuperacao disco,
                        std::chrono::milliseconds atraso, std::function<void(const std::string& razao)> aoFalhar);
    // Finishes what was asked, waiting about a second at most: a disk that hangs keeps the
    // unfinished write, never the program.
    ~GravadorRecuperacao();
    GravadorRecuperacao(const GravadorRecuperacao&) = delete;
    GravadorRecuperacao& operator=(const GravadorRecuperacao&) = delete;

    // The file gets at most the permission bits `limiteDeModo`.
    void Guardar(std::string conteudo, unsigned limiteDeModo);
    void Remover();
    // Writes what is pending now, without the delay, and waits until it is done.
    void Esperar();

    static constexpr std::chrono::milliseconds EsperaAoEncerrar{1000};

private:
    struct Estado;
    std::shared_ptr<Estado> estado_;
};
