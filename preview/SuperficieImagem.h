#pragma once

// The card picture kept in a 240 x 850 image between redraws; the window shows it and the
// mask editor paints single cells on it.

#include "FonteMiuda.h"
#include "Superficie.h"

#include <QImage>

#include <array>

// 0x00BBGGRR words to and from the image's pixels.
constexpr QRgb ParaQRgb(Cor cor)
{
    return qRgb(static_cast<int>(cor & 0xFF), static_cast<int>((cor >> 8) & 0xFF), static_cast<int>((cor >> 16) & 0xFF));
}

constexpr Cor DeQRgb(QRgb rgb)
{
    return static_cast<Cor>(qRed(rgb)) | static_cast<Cor>(qGreen(rgb)) << 8 | static_cast<Cor>(qBlue(rgb)) << 16;
}

class SuperficieImagem final : public Superficie {
public:
    // A white picture until the first redraw.
    SuperficieImagem();

    const QImage& Imagem() const { return imagem_; }

    void DefinirPincel(Cor cor) override;
    void Preencher(const Retangulo& r) override;
    void Moldurar(const Retangulo& r) override;
    // Every name draws with the card's built-in pixel font, so the picture never depends on installed fonts.
    void DefinirFonte(std::string_view nome, int tamanho, Cor cor) override;
    void EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto) override;
    void PreencherDoisPlanos(Cor corFundo, const Retangulo& fundo, Cor corFrente, const Retangulo& frente) override;

private:
    class Pixels;
    static void Pintar(const Pixels& pixels, const Retangulo& r, QRgb cor);
    // Rows and columns primeira .. ultima - 1 of the glyph whose top-left pixel is (esquerda, topo).
    void EscreverGlifo(const Pixels& pixels, const Glifo& glifo, int topo, int esquerda,
                       int primeiraLinha, int ultimaLinha, int primeiraColuna, int ultimaColuna) const;

    // The pixels of each possible glyph row and its blank column, for the font colour on the brush.
    using FaixaGlifo = std::array<QRgb, AvancoGlifo>;
    void PrepararFaixasGlifo();

    QImage imagem_;
    QRgb pincel_ = ParaQRgb(0xFFFFFF);
    QRgb corFonte_ = ParaQRgb(0x000000);
    int recuoFonte_ = 0;
    std::array<FaixaGlifo, 1U << LarguraGlifo> faixasGlifo_{};
    QRgb corFaixas_ = 0;
    QRgb fundoFaixas_ = 0;
    bool faixasProntas_ = false;
};
