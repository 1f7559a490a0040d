#pragma once

#include "Cartao.h"

#include <QLockFile>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// The recovery file of one running copy of the program: its unsaved card in the cfg format
// ("Recuperacao.cfg") and the path of the file that card belongs to ("Recuperacao.inf"), in the
// program's folder. Each copy holds a slot of its own under a lock file, so copies sharing a
// folder never write each other's files, and a slot whose copy died can be taken over.
// Writes and removals run on a thread of their own: the window never waits for the disk.
class TRecuperacao {
public:
    // Takes the first slot of the folder that no running copy holds.
    explicit TRecuperacao(const QString& dirPrograma);
    // Finishes what was asked, then stops.
    ~TRecuperacao();

    struct Achado {
        TCartao Cartao;
        std::string Caminho;  // the original file, as the system's bytes; empty for a new card
    };
    // What a copy that ended without saving left in this slot. A file that does not read as a
    // card is removed, and nothing is found.
    std::optional<Achado> Encontrar(const TCartao& anterior);

    // Asks for the files to hold this card and path, or to be gone. Only the last request
    // counts; each replaces the files atomically.
    void Guardar(std::string conteudoCfg, std::string caminho);
    void Descartar();
    // Waits until the files are what the last request asked for.
    void Esperar();

    QString ArquivoCfg() const { return base_ + QStringLiteral(".cfg"); }
    QString ArquivoCaminho() const { return base_ + QStringLiteral(".inf"); }

private:
    struct Pedido {
        bool Remover = false;
        std::string Conteudo;
        std::string Caminho;
    };
    void Trabalhar();
    void Aplicar(const Pedido& pedido);
    void Pedir(Pedido pedido);

    QString base_;
    std::unique_ptr<QLockFile> trava_;

    std::mutex mutex_;
    std::condition_variable mudou_;
    std::optional<Pedido> pendente_;
    bool ocupado_ = false;
    bool parar_ = false;
    std::thread trabalhador_;
};
