#pragma once

// The card picture as an SVG document: the same drawing calls as the window's image, written
// as vector shapes, so geometry, colours and texts agree with it by construction.

#include "Geometria.h"
#include "Superficie.h"

#include <string>

class SuperficieSvg final : public Superficie {
public:
    // The finished document: the picture's top `altura` units (all 850 by default), 240 wide,
    // shown `escala` times as large.
    std::string Documento(int escala, int altura = AlturaCartao) const;

    void DefinirPincel(Cor cor) override;
    void Preencher(const Retangulo& r) override;
    void Moldurar(const Retangulo& r) override;
    void DefinirFonte(std::string_view nome, int tamanho, Cor cor) override;
    void EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto) override;

private:
    std::string corpo_;
    Cor pincel_ = 0xFFFFFF;
    Cor corFonte_ = 0x000000;
    int recuoFonte_ = 0;
    int recortes_ = 0;
};

// "#rrggbb" of a 0x00BBGGRR word.
std::string CorSvg(Cor cor);
