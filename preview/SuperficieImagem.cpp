#include "SuperficieImagem.h"

#include "FonteMiuda.h"
#include "Geometria.h"

#include <algorithm>

namespace {

Retangulo DentroDaSuperficie(const Retangulo& r)
{
    return {std::max(r.Esquerda, 0), std::max(r.Topo, 0), std::min(r.Direita, LarguraCartao),
            std::min(r.Base, AlturaCartao)};
}

}  // namespace

// Rows are reached from one bits() call per operation: scanLine() on every row would repeat
// the image's detach check, which costs more than the pixels themselves.
class SuperficieImagem::Pixels {
public:
    explicit Pixels(QImage& imagem) : inicio_(imagem.bits()), passo_(imagem.bytesPerLine()) {}
    QRgb* Linha(int y) const { return reinterpret_cast<QRgb*>(inicio_ + y * passo_); }

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
    for (int y = area.Topo; y < area.Base; ++y) {
        QRgb* linha = pixels.Linha(y);
        std::fill(linha + area.Esquerda, linha + area.Direita, cor);
    }
}

void SuperficieImagem::Preencher(const Retangulo& r)
{
    Pintar(Pixels(imagem_), r, pincel_);
}

void SuperficieImagem::Moldurar(const Retangulo& r)
{
    if (Vazio(r))
        return;
    const Pixels pixels(imagem_);
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
    Pintar(pixels, recorte, pincel_);
    const Retangulo area = DentroDaSuperficie(recorte);
    if (Vazio(area))
        return;

    // 64-bit so that a point near the int limits cannot overflow.
    const long long topo = static_cast<long long>(y) + recuoFonte_;
    long long esquerda = x;
    for (const char caractere : texto) {
        if (esquerda >= area.Direita)
            break;  // the rest is clipped away
        if (const Glifo* glifo = GlifoDe(caractere)) {
            for (int gy = 0; gy < AlturaGlifo; ++gy) {
                const long long py = topo + gy;
                if (py < area.Topo || py >= area.Base)
                    continue;
                QRgb* linha = pixels.Linha(static_cast<int>(py));
                for (int gx = 0; gx < LarguraGlifo; ++gx) {
                    const long long px = esquerda + gx;
                    if (px >= area.Esquerda && px < area.Direita && PixelDoGlifo(*glifo, gy, gx))
                        linha[px] = corFonte_;
                }
            }
        }
        esquerda += AvancoGlifo;
    }
}
