#pragma once

// The card picture kept in a 240 x 850 image between redraws; the window shows it and the
// mask editor paints single cells on it. On a screen that scales (125 %, 150 %...) the image has
// the screen's own pixels, so Qt shows it without resampling: see RetanguloNoDispositivo.
//
// The picture has a handful of colours, so it is kept with one byte per pixel and a colour table
// (204 KB rather than 816 KB): a quarter of the memory and of the bytes a redraw writes.

#include "FonteMiuda.h"
#include "Geometria.h"
#include "Superficie.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <span>

// 0x00BBGGRR words to and from the image's pixels.
constexpr QRgb ParaQRgb(Cor cor)
{
    return qRgb(static_cast<int>(cor & 0xFF), static_cast<int>((cor >> 8) & 0xFF), static_cast<int>((cor >> 16) & 0xFF));
}

constexpr Cor DeQRgb(QRgb rgb)
{
    return static_cast<Cor>(qRed(rgb)) | static_cast<Cor>(qGreen(rgb)) << 8 | static_cast<Cor>(qBlue(rgb)) << 16;
}

class QPainter;
class QRect;

// Paints the part area (in picture pixels) of the card picture at the same place, one image pixel
// on one device pixel. In bands converted to 32 bits first, which Qt then copies: drawn directly,
// the indexed picture goes through Qt's pixel-by-pixel path, several times slower. Each band is a
// small temporary, so a paint never holds a second whole picture. The realces, rectangles in the
// image's own pixels, are filled with corRealce over the picture on the way.
void PintarImagemDoCartao(QPainter& pintor, const QRect& area, const QImage& imagem,
                          std::span<const QRect> realces = {}, QRgb corRealce = 0);

class SuperficieImagem final : public Superficie {
public:
    // A white picture until the first redraw, at escala device pixels per picture pixel.
    explicit SuperficieImagem(double escala = 1.0);

    // The most colours the picture can hold at once. A colour no pixel shows any longer gives
    // its entry to the next new one; past that, a new colour takes the nearest one held.
    static constexpr int MaximoDeCores = 256;

    // The scale a surface draws at for a screen's device pixel ratio: 1 to 8. Below 1 the
    // picture is drawn at its own size and the screen shrinks it.
    static double EscalaPara(double razaoDoDispositivo);

    // The image has the device pixels of this scale and it as its device pixel ratio.
    const QImage& Imagem() const { return imagem_; }
    double Escala() const { return escala_; }
    // A new scale makes a new image at that scale, its pixels to be drawn again.
    void DefinirEscala(double escala);

    void DefinirPincel(Cor cor) override;
    void Preencher(const Retangulo& r) override;
    void Moldurar(const Retangulo& r) override;
    // Every name draws with the card's built-in pixel font, so the picture never depends on installed fonts.
    void DefinirFonte(std::string_view nome, int tamanho, Cor cor) override;
    void EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto) override;
    void PreencherDoisPlanos(Cor corFundo, const Retangulo& fundo, Cor corFrente, const Retangulo& frente) override;

private:
    using Indice = std::uint8_t;
    class Pixels;
    void CriarImagem();
    Pixels PixelsParaEscrever();
    Retangulo DentroDaSuperficie(const Retangulo& r) const;
    bool CabeNaSuperficie(const Retangulo& r) const;
    void Pintar(Pixels pixels, Retangulo r, Indice cor) const;
    // A text on a scaled picture: each glyph pixel covers the device pixels between its scaled edges.
    void EscreverTextoNaEscala(const Retangulo& recorte, int x, int y, std::string_view texto);
    // The start of the pixels, ready to be written.
    uchar* Dados();
    // The colour table entry of a colour, added to the table when new. The reserved entry, like
    // the brush and font colours, is kept even when no pixel shows it yet.
    Indice IndiceDaCor(Cor cor, int reservada = -1);
    // An entry that no pixel, brush, font colour or the reserved entry uses; -1 when there is none.
    int EntradaLivre(int reservada) const;
    // Rows and columns primeira .. ultima - 1 of the glyph whose top-left pixel is (esquerda, topo).
    void EscreverGlifo(Pixels pixels, const Glifo& glifo, int topo, int esquerda,
                       int primeiraLinha, int ultimaLinha, int primeiraColuna, int ultimaColuna) const;

    // The pixels of each possible glyph row and its blank column, for the font colour on the brush.
    using FaixaGlifo = std::array<Indice, AvancoGlifo>;
    void PrepararFaixasGlifo();

    QImage imagem_;
    uchar* dados_ = nullptr;
    double escala_ = 1.0;
    int largura_ = LarguraCartao;
    int altura_ = AlturaCartao;
    int passo_ = LarguraCartao;  // bytes a row: 240 needs no padding, a scaled width may
    // Where each glyph column and row starts, in device pixels from the glyph's corner, and the
    // device pixels from one character to the next.
    std::array<int, LarguraGlifo + 1> bordasColunas_{};
    std::array<int, AlturaGlifo + 1> bordasLinhas_{};
    int avancoNoDispositivo_ = AvancoGlifo;

    // The image's colour table, kept beside it so a colour is found without copying the table,
    // both as the card's colours and as the image's.
    std::array<Cor, MaximoDeCores> coresCartao_{};
    std::array<QRgb, MaximoDeCores> cores_{};
    int quantasCores_ = 0;
    Indice pincel_ = 0;
    Indice pincelAnterior_ = 0;  // only a hint: its entry may hold another colour by now
    Indice corFonte_ = 0;
    int tamanhoFonte_ = 0;
    int recuoFonte_ = RecuoSuperior(0);
    std::array<FaixaGlifo, 1U << LarguraGlifo> faixasGlifo_{};
    // The same on a scaled picture: each glyph row as the device pixels of one character's advance.
    using FaixaGlifoNaEscala = std::array<Indice, AvancoGlifo * 8>;  // 8, the largest scale
    std::array<FaixaGlifoNaEscala, 1U << LarguraGlifo> faixasNaEscala_{};
    Indice corFaixas_ = 0;
    Indice fundoFaixas_ = 0;
    bool faixasProntas_ = false;
};
