#pragma once

// The drawing operations the card picture needs, and nothing more, so the picture can be
// drawn on an image, recorded in a test, or painted cell by cell by the mask editor.

#include <cstdint>
#include <string_view>

using Cor = std::uint32_t;  // 0x00BBGGRR

// Right and bottom are exclusive: the rectangle covers x = Esquerda .. Direita - 1, y = Topo .. Base - 1.
struct Retangulo {
    int Esquerda = 0;
    int Topo = 0;
    int Direita = 0;
    int Base = 0;

    bool operator==(const Retangulo&) const = default;
};

constexpr bool Vazio(const Retangulo& r) { return r.Direita <= r.Esquerda || r.Base <= r.Topo; }

// Brush and font settings persist until changed. Parts of a rectangle outside the surface are not drawn.
class Superficie {
public:
    virtual ~Superficie() = default;

    virtual void DefinirPincel(Cor cor) = 0;
    // Fills the rectangle with the brush colour.
    virtual void Preencher(const Retangulo& r) = 0;
    // A one-pixel frame in the brush colour along the inside of the rectangle.
    virtual void Moldurar(const Retangulo& r) = 0;
    virtual void DefinirFonte(std::string_view nome, int tamanho, Cor cor) = 0;
    // Fills recorte with the brush, then writes the text with its top-left corner at (x, y), clipped to recorte.
    virtual void EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto) = 0;

    // The same as filling fundo in corFundo and then frente in corFrente, leaving the brush at
    // corFrente. A surface that can write each pixel once instead of twice overrides it.
    virtual void PreencherDoisPlanos(Cor corFundo, const Retangulo& fundo, Cor corFrente, const Retangulo& frente)
    {
        DefinirPincel(corFundo);
        Preencher(fundo);
        DefinirPincel(corFrente);
        Preencher(frente);
    }
};
