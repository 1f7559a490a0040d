#pragma once

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
void EscreverBytes(const std::string& caminho, const std::string& bytes);

#include "Cartao.h"

// The card a first start shows: creation values, then the first-time card.
TCartao CartaoInicial();
