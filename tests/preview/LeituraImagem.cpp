#include "LeituraImagem.h"

#include "FonteMiuda.h"
#include "Geometria.h"
#include "SuperficieImagem.h"

#include <cmath>

Cor CorEm(const QImage& imagem, int x, int y)
{
    return DeQRgb(imagem.pixel(x, y));
}

int ContarCor(const QImage& imagem, const Retangulo& r, Cor cor)
{
    int total = 0;
    for (int y = r.Topo; y < r.Base; ++y)
        for (int x = r.Esquerda; x < r.Direita; ++x)
            total += CorEm(imagem, x, y) == cor;
    return total;
}

bool SoCor(const QImage& imagem, const Retangulo& r, Cor cor)
{
    return ContarCor(imagem, r, cor) == (r.Direita - r.Esquerda) * (r.Base - r.Topo);
}

bool SoCores(const QImage& imagem, const Retangulo& r, Cor primeira, Cor segunda)
{
    return ContarCor(imagem, r, primeira) + ContarCor(imagem, r, segunda) ==
           (r.Direita - r.Esquerda) * (r.Base - r.Topo);
}

bool TemMoldura(const QImage& imagem, const Retangulo& r, Cor cor)
{
    return SoCor(imagem, {r.Esquerda, r.Topo, r.Direita, r.Topo + 1}, cor) &&
           SoCor(imagem, {r.Esquerda, r.Base - 1, r.Direita, r.Base}, cor) &&
           SoCor(imagem, {r.Esquerda, r.Topo, r.Esquerda + 1, r.Base}, cor) &&
           SoCor(imagem, {r.Direita - 1, r.Topo, r.Direita, r.Base}, cor);
}

Retangulo Interior(const Retangulo& r)
{
    return {r.Esquerda + 1, r.Topo + 1, r.Direita - 1, r.Base - 1};
}

std::string LerTexto(const QImage& imagem, const Retangulo& celula, int dx, int tamanho, Cor corTexto, double escala)
{
    static constexpr std::string_view Caracteres = "0123456789ABCDE";
    // Each glyph pixel is read in the middle of the device pixels it covers.
    const auto meio = [escala](int pixel) { return static_cast<int>(std::floor((pixel + 0.5) * escala)); };
    const Retangulo noDispositivo = RetanguloNoDispositivo(celula, escala);
    const int topo = noDispositivo.Topo + static_cast<int>(PixelDoDispositivo(RecuoSuperior(tamanho), escala));
    const int avanco = static_cast<int>(PixelDoDispositivo(AvancoGlifo, escala));
    const int largura = static_cast<int>(PixelDoDispositivo(LarguraGlifo, escala));
    std::string texto;
    for (int esquerda = noDispositivo.Esquerda + static_cast<int>(PixelDoDispositivo(dx, escala));
         esquerda + largura <= noDispositivo.Direita; esquerda += avanco) {
        Glifo lido{};
        bool algum = false;
        for (int gy = 0; gy < AlturaGlifo; ++gy)
            for (int gx = 0; gx < LarguraGlifo; ++gx)
                if (CorEm(imagem, esquerda + meio(gx), topo + meio(gy)) == corTexto) {
                    lido[static_cast<std::size_t>(gy)] |= static_cast<std::uint8_t>(1U << (LarguraGlifo - 1 - gx));
                    algum = true;
                }
        if (!algum)
            break;
        char caractere = '?';
        for (const char candidato : Caracteres)
            if (*GlifoDe(candidato) == lido)
                caractere = candidato;
        texto += caractere;
    }
    return texto;
}
