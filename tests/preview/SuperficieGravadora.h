#pragma once

// A surface that writes down every call, for checking the order of drawing steps and that
// nothing is drawn where it must not be.

#include "Superficie.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

class SuperficieGravadora final : public Superficie {
public:
    // Fails fast instead of hanging when a loop runs away.
    explicit SuperficieGravadora(std::size_t limite = 100000) : limite_(limite) {}

    std::vector<std::string> Chamadas;
    std::vector<Retangulo> Retangulos;  // of every fill, frame and text, in order

    void DefinirPincel(Cor cor) override { Gravar("Pincel " + Hex(cor)); }
    void Preencher(const Retangulo& r) override { Gravar("Preencher " + Texto(r), r); }
    void Moldurar(const Retangulo& r) override { Gravar("Moldurar " + Texto(r), r); }
    void DefinirFonte(std::string_view nome, int tamanho, Cor cor) override
    {
        Gravar("Fonte " + std::string(nome) + " " + std::to_string(tamanho) + " " + Hex(cor));
    }
    void EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto) override
    {
        Gravar("Texto " + Texto(recorte) + " em " + std::to_string(x) + " " + std::to_string(y) + " \"" +
                   std::string(texto) + "\"",
               recorte);
    }

private:
    static std::string Hex(Cor cor)
    {
        char texto[16];
        std::snprintf(texto, sizeof texto, "%06X", cor);
        return texto;
    }
    static std::string Texto(const Retangulo& r)
    {
        return std::to_string(r.Esquerda) + " " + std::to_string(r.Topo) + " " + std::to_string(r.Direita) + " " +
               std::to_string(r.Base);
    }
    void Gravar(std::string chamada)
    {
        if (Chamadas.size() >= limite_)
            throw std::runtime_error("too many drawing calls");
        Chamadas.push_back(std::move(chamada));
    }
    void Gravar(std::string chamada, const Retangulo& r)
    {
        Gravar(std::move(chamada));
        Retangulos.push_back(r);
    }

    std::size_t limite_;
};
