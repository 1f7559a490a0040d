#include "SuperficieImagem.h"

#include "FonteMiuda.h"
#include "Geometria.h"

#include <algorithm>
#include <cstring>

namespace {

Retangulo DentroDaSuperficie(const Retangulo& r)
{
    return {std::max(r.Esquerda, 0), std::max(r.Topo, 0), std::min(r.Direita, LarguraCartao),
            std::min(r.Base, AlturaCartao)};
}

bool CabeNaSuperficie(const Retangulo& r)
{
    return r.Esquerda >= 0 && r.Topo >= 0 && r.Direita <= LarguraCartao && r.Base <= AlturaCartao;
}

// A glyph row or column index held to 0 .. limite; 64-bit so that a text point near the int
// limits cannot overflow.
int LimitarIndice(long long valor, int limite)
{
    return static_cast<int>(std::clamp<long long>(valor, 0, limite));
}

}  // namespace

// Rows are reached from one bits() call per operation: scanLine() on every row would repeat
// the image's detach check, which costs more than the pixels themselves.
class SuperficieImagem::Pixels {
public:
    explicit Pixels(QImage& imagem) : inicio_(imagem.bits()), passo_(imagem.bytesPerLine()) {}
    QRgb* Linha(int y) const { return reinterpret_cast<QRgb*>(inicio_ + y * passo_); }
    // x = esquerda .. direita - 1 of row y, all on the surface. Written four pixels at a time, the
    // last four overlapping the ones before: a 12-pixel cell row is three stores and no tail.
    void Faixa(int y, int esquerda, int direita, QRgb cor) const
    {
        QRgb* pixel = Linha(y) + esquerda;
        const int quantos = direita - esquerda;
        if (quantos < 4) {
            for (int i = 0; i < quantos; ++i)
                pixel[i] = cor;
            return;
        }
        const QRgb quatro[4] = {cor, cor, cor, cor};
        for (int i = 0; i + 4 < quantos; i += 4)
            std::memcpy(pixel + i, quatro, sizeof quatro);
        std::memcpy(pixel + quantos - 4, quatro, sizeof quatro);
    }

private:
    uchar* inicio_;
    qsizetype passo_;
};

SuperficieImagem::SuperficieImagem()
    : imagem_(LarguraCartao, AlturaCartao, QImage::Format_RGB32)
{
    imagem_.fill(ParaQRgb(0xFFFFFF));
}

void SuperficieImagem::DefinirPincel(Cor cor)
{
    pincel_ = ParaQRgb(cor);
}

void SuperficieImagem::Pintar(const Pixels& pixels, const Retangulo& r, QRgb cor)
{
    const Retangulo area = DentroDaSuperficie(r);
    if (Vazio(area))
        return;
    for (int y = area.Topo; y < area.Base; ++y)
        pixels.Faixa(y, area.Esquerda, area.Direita, cor);
}

void SuperficieImagem::Preencher(const Retangulo& r)
{
    Pintar(Pixels(imagem_), r, pincel_);
}

void SuperficieImagem::PreencherDoisPlanos(Cor corFundo, const Retangulo& fundo, Cor corFrente,
                                           const Retangulo& frente)
{
    // Row by row, the background only where the front does not cover it: the whole-picture
    // background and the white card would otherwise write most pixels twice.
    const QRgb corDeFundo = ParaQRgb(corFundo);
    pincel_ = ParaQRgb(corFrente);
    const Pixels pixels(imagem_);
    const Retangulo a = DentroDaSuperficie(fundo);
    Retangulo f = DentroDaSuperficie(frente);
    if (Vazio(f))
        f = {0, 0, 0, 0};
    const int topo = std::min(Vazio(a) ? f.Topo : a.Topo, f.Topo);
    const int base = std::max(Vazio(a) ? f.Base : a.Base, f.Base);
    for (int y = topo; y < base; ++y) {
        const bool naFrente = y >= f.Topo && y < f.Base;
        if (!Vazio(a) && y >= a.Topo && y < a.Base) {
            if (naFrente) {
                pixels.Faixa(y, a.Esquerda, std::min(a.Direita, f.Esquerda), corDeFundo);
                pixels.Faixa(y, std::max(a.Esquerda, f.Direita), a.Direita, corDeFundo);
            } else {
                pixels.Faixa(y, a.Esquerda, a.Direita, corDeFundo);
            }
        }
        if (naFrente)
            pixels.Faixa(y, f.Esquerda, f.Direita, pincel_);
    }
}

void SuperficieImagem::Moldurar(const Retangulo& r)
{
    if (Vazio(r))
        return;
    const Pixels pixels(imagem_);
    if (CabeNaSuperficie(r)) {
        // A cell frame: every edge on the picture, so no edge needs clipping.
        pixels.Faixa(r.Topo, r.Esquerda, r.Direita, pincel_);
        for (int y = r.Topo + 1; y < r.Base - 1; ++y) {
            QRgb* linha = pixels.Linha(y);
            linha[r.Esquerda] = pincel_;
            linha[r.Direita - 1] = pincel_;
        }
        pixels.Faixa(r.Base - 1, r.Esquerda, r.Direita, pincel_);
        return;
    }
    Pintar(pixels, {r.Esquerda, r.Topo, r.Direita, r.Topo + 1}, pincel_);
    Pintar(pixels, {r.Esquerda, r.Base - 1, r.Direita, r.Base}, pincel_);
    Pintar(pixels, {r.Esquerda, r.Topo, r.Esquerda + 1, r.Base}, pincel_);
    Pintar(pixels, {r.Direita - 1, r.Topo, r.Direita, r.Base}, pincel_);
}

void SuperficieImagem::DefinirFonte(std::string_view, int tamanho, Cor cor)
{
    recuoFonte_ = RecuoSuperior(tamanho);
    corFonte_ = ParaQRgb(cor);
}

void SuperficieImagem::EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto)
{
    const Pixels pixels(imagem_);
    const Retangulo area = DentroDaSuperficie(recorte);
    if (Vazio(area))
        return;
    Pintar(pixels, area, pincel_);

    // The glyph rows inside the clip are the same for every character. 64-bit so that a point
    // near the int limits cannot overflow.
    const long long topo = static_cast<long long>(y) + recuoFonte_;
    const int primeiraLinha = LimitarIndice(area.Topo - topo, AlturaGlifo);
    const int ultimaLinha = LimitarIndice(area.Base - topo, AlturaGlifo);
    if (primeiraLinha >= ultimaLinha)
        return;
    const bool linhasInteiras = primeiraLinha == 0 && ultimaLinha == AlturaGlifo;
    PrepararFaixasGlifo();

    long long esquerda = x;
    for (const char caractere : texto) {
        if (esquerda >= area.Direita)
            break;  // the rest is clipped away
        const Glifo& glifo = GlifoOuEmBranco(caractere);
        if (linhasInteiras && esquerda >= area.Esquerda && esquerda + AvancoGlifo <= area.Direita) {
            // The usual case, a whole glyph and its blank column inside the clip: one prepared
            // four-pixel span per glyph row.
            for (int gy = 0; gy < AlturaGlifo; ++gy)
                std::memcpy(pixels.Linha(static_cast<int>(topo) + gy) + esquerda,
                            faixasGlifo_[glifo[static_cast<std::size_t>(gy)]].data(), sizeof(FaixaGlifo));
        } else {
            const int primeiraColuna = LimitarIndice(area.Esquerda - esquerda, LarguraGlifo);
            const int ultimaColuna = LimitarIndice(area.Direita - esquerda, LarguraGlifo);
            if (primeiraColuna < ultimaColuna)
                EscreverGlifo(pixels, glifo, static_cast<int>(topo), static_cast<int>(esquerda), primeiraLinha,
                              ultimaLinha, primeiraColuna, ultimaColuna);
        }
        esquerda += AvancoGlifo;
    }
}

void SuperficieImagem::PrepararFaixasGlifo()
{
    if (faixasProntas_ && corFaixas_ == corFonte_ && fundoFaixas_ == pincel_)
        return;
    // Every row a glyph can have (three bits), followed by the blank column, in the current colours.
    for (unsigned bits = 0; bits < faixasGlifo_.size(); ++bits)
        for (int gx = 0; gx < AvancoGlifo; ++gx)
            faixasGlifo_[bits][static_cast<std::size_t>(gx)] =
                gx < LarguraGlifo && (bits >> (LarguraGlifo - 1 - gx)) & 1U ? corFonte_ : pincel_;
    corFaixas_ = corFonte_;
    fundoFaixas_ = pincel_;
    faixasProntas_ = true;
}

void SuperficieImagem::EscreverGlifo(const Pixels& pixels, const Glifo& glifo, int topo, int esquerda,
                                     int primeiraLinha, int ultimaLinha, int primeiraColuna, int ultimaColuna) const
{
    // The clip was just filled with the brush, so each pixel is either the font colour or the
    // brush: written without reading or testing it, and a character without a glyph writes brush.
    for (int gy = primeiraLinha; gy < ultimaLinha; ++gy) {
        QRgb* linha = pixels.Linha(topo + gy);
        const unsigned bits = glifo[static_cast<std::size_t>(gy)];
        for (int gx = primeiraColuna; gx < ultimaColuna; ++gx)
            linha[esquerda + gx] = (bits >> (LarguraGlifo - 1 - gx)) & 1U ? corFonte_ : pincel_;
    }
}
