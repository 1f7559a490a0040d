#include "LeituraImagem.h"

#include "FonteMiuda.h"
#include "SuperficieImagem.h"

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

std::string LerTexto(const QImage& imagem, const Retangulo& celula, int dx, int tamanho, Cor corTexto)
{
    static constexpr std::string_view Caracteres = "0123456789ABCDE";
    std::string texto;
    const int topo = celula.Topo + RecuoSuperior(tamanho);
    for (int esquerda = celula.Esquerda + dx; esquerda + LarguraGlifo <= celula.Direita; esquerda += AvancoGlifo) {
        Glifo lido{};
        bool algum = false;
        for (int gy = 0; gy < AlturaGlifo; ++gy)
            for (int gx = 0; gx < LarguraGlifo; ++gx)
                if (CorEm(imagem, esquerda + gx, topo + gy) == corTexto) {
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
