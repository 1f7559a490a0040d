#pragma once

// The drawing operations written the plainest way, pixel by pixel with every pixel checked
// against the picture: the yardstick the image surface's fast paths are compared with.

#include "FonteMiuda.h"
#include "Geometria.h"
#include "SuperficieImagem.h"

#include <QImage>

#include <algorithm>

class SuperficieReferencia final : public Superficie {
public:
    SuperficieReferencia() : imagem_(LarguraCartao, AlturaCartao, QImage::Format_RGB32)
    {
        imagem_.fill(ParaQRgb(Branco));
    }

    const QImage& Imagem() const { return imagem_; }

    void DefinirPincel(Cor cor) override { pincel_ = cor; }
    void Preencher(const Retangulo& r) override
    {
        for (int y = std::max(r.Topo, 0); y < std::min(r.Base, AlturaCartao); ++y)
            for (int x = std::max(r.Esquerda, 0); x < std::min(r.Direita, LarguraCartao); ++x)
                Pixel(x, y, pincel_);
    }
    void Moldurar(const Retangulo& r) override
    {
        for (int y = std::max(r.Topo, 0); y < std::min(r.Base, AlturaCartao); ++y)
            for (int x = std::max(r.Esquerda, 0); x < std::min(r.Direita, LarguraCartao); ++x)
                if (x == r.Esquerda || x == r.Direita - 1LL || y == r.Topo || y == r.Base - 1LL)
                    Pixel(x, y, pincel_);
    }
    void DefinirFonte(std::string_view, int tamanho, Cor cor) override
    {
        recuo_ = RecuoSuperior(tamanho);
        corFonte_ = cor;
    }
    void EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto) override
    {
        Preencher(recorte);
        long long esquerda = x;
        for (const char caractere : texto) {
            if (const Glifo* glifo = GlifoDe(caractere))
                for (int gy = 0; gy < AlturaGlifo; ++gy)
                    for (int gx = 0; gx < LarguraGlifo; ++gx) {
                        const long long px = esquerda + gx;
                        const long long py = static_cast<long long>(y) + recuo_ + gy;
                        if (PixelDoGlifo(*glifo, gy, gx) && Dentro(recorte, px, py))
                            Pixel(px, py, corFonte_);
                    }
            esquerda += AvancoGlifo;
        }
    }

private:
    static bool Dentro(const Retangulo& r, long long x, long long y)
    {
        return x >= r.Esquerda && x < r.Direita && y >= r.Topo && y < r.Base;
    }
    void Pixel(long long x, long long y, Cor cor)
    {
        if (x >= 0 && x < LarguraCartao && y >= 0 && y < AlturaCartao)
            imagem_.setPixel(static_cast<int>(x), static_cast<int>(y), ParaQRgb(cor));
    }

    QImage imagem_;
    Cor pincel_ = Branco;
    Cor corFonte_ = Preto;
    int recuo_ = 0;
};
