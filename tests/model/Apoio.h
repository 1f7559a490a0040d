#pragma once

#include <functional>
#include <string>

// A fresh folder under /tmp for one test, removed with everything in it afterwards.
class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    std::string Caminho(const std::string& nome) const { return pasta_ + "/" + nome; }

private:
    std::string pasta_;
};

std::string LerBytes(const std::string& caminho);
// How many entries a folder holds.
std::size_t ArquivosNaPasta(const std::string& pasta);
// The message of the ErroCartao that `acao` throws, or "" when it throws none.
std::string MensagemDe(const std::function<void()>& acao);
// MensagemDe under a file size limit of `bytes`, so a write fails part-way as on a full disk
// (POSIX only: Windows has no such limit).
std::string MensagemComLimiteDeTamanho(long bytes, const std::function<void()>& acao);
void EscreverBytes(const std::string& caminho, const std::string& bytes);

#include "Cartao.h"

// The card a first start shows: creation values, then the first-time card.
TCartao CartaoInicial();
