#include "SuperficieSvg.h"

#include "Concatenar.h"
#include "FonteMiuda.h"
#include "Geometria.h"

#include <algorithm>
#include <cstdio>

namespace {

// The picture's text font on paper: digits as tall as the pixel glyphs (5 units) and about
// as wide as their 4-unit advance, so three-digit item numbers still fit a 12-unit cell.
constexpr const char* FonteImpressa = "DejaVu Sans Mono, Liberation Mono, monospace";
constexpr const char* TamanhoImpresso = "6.9";

// Rectangles are drawn only where they meet the surface, as on the image; this also keeps
// the clamped far edges of a damaged card out of the document.
Retangulo DentroDaSuperficie(const Retangulo& r)
{
    return {std::max(r.Esquerda, 0), std::max(r.Topo, 0), std::min(r.Direita, LarguraCartao),
            std::min(r.Base, AlturaCartao)};
}

std::string Xml(std::string_view texto)
{
    std::string saida;
    for (const char c : texto) {
        switch (c) {
        case '<': saida += "&lt;"; break;
        case '>': saida += "&gt;"; break;
        case '&': saida += "&amp;"; break;
        case '"': saida += "&quot;"; break;
        default:
            // Only printable ASCII reaches the card texts; anything else is left out, never malformed XML.
            if (c >= 0x20 && c < 0x7F)
                saida += c;
        }
    }
    return saida;
}

std::string AtributosDoRetangulo(const Retangulo& r)
{
    return "x=\"" + std::to_string(r.Esquerda) + "\" y=\"" + std::to_string(r.Topo) + "\" width=\"" +
           std::to_string(r.Direita - r.Esquerda) + "\" height=\"" + std::to_string(r.Base - r.Topo) + "\"";
}

}  // namespace

std::string CorSvg(Cor cor)
{
    char texto[8];
    std::snprintf(texto, sizeof texto, "#%02x%02x%02x", cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
    return texto;
}

void SuperficieSvg::DefinirPincel(Cor cor)
{
    pincel_ = cor;
}

void SuperficieSvg::Preencher(const Retangulo& r)
{
    const Retangulo area = DentroDaSuperficie(r);
    if (!Vazio(area))
        corpo_ += "<rect " + AtributosDoRetangulo(area) + " fill=\"" + CorSvg(pincel_) + "\"/>\n";
}

void SuperficieSvg::Moldurar(const Retangulo& r)
{
    if (Vazio(r))
        return;
    // The one-unit frame is the rectangle less its interior, filled: exact at every scale.
    const Retangulo dentro{r.Esquerda + 1, r.Topo + 1, r.Direita - 1, r.Base - 1};
    if (Vazio(dentro)) {
        Preencher(r);
        return;
    }
    auto contorno = [](const Retangulo& q) {
        return Concatenar({"M", std::to_string(q.Esquerda), " ", std::to_string(q.Topo), "H", std::to_string(q.Direita),
                           "V", std::to_string(q.Base), "H", std::to_string(q.Esquerda), "Z"});
    };
    corpo_ += "<path d=\"" + contorno(r) + contorno(dentro) + "\" fill=\"" + CorSvg(pincel_) +
              "\" fill-rule=\"evenodd\"/>\n";
}

void SuperficieSvg::DefinirFonte(std::string_view, int tamanho, Cor cor)
{
    recuoFonte_ = RecuoSuperior(tamanho);
    corFonte_ = cor;
}

void SuperficieSvg::EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto)
{
    Preencher(recorte);
    const Retangulo area = DentroDaSuperficie(recorte);
    const std::string conteudo = Xml(texto);
    if (Vazio(area) || conteudo.empty())
        return;
    // The glyphs stand where the pixel font puts them: their foot is the glyph's last row.
    const long long base = static_cast<long long>(y) + recuoFonte_ + AlturaGlifo;
    const std::string id = Concatenar({"r", std::to_string(++recortes_)});
    corpo_ += Concatenar({"<clipPath id=\"", id, "\"><rect ", AtributosDoRetangulo(area), "/></clipPath><text x=\"",
                          std::to_string(x), "\" y=\"", std::to_string(base), "\" fill=\"", CorSvg(corFonte_),
                          "\" clip-path=\"url(#", id, ")\">", conteudo, "</text>\n"});
}

std::string SuperficieSvg::Documento(int escala, int altura) const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           std::to_string(LarguraCartao * escala) + "\" height=\"" + std::to_string(altura * escala) +
           "\" viewBox=\"0 0 " + std::to_string(LarguraCartao) + " " + std::to_string(altura) + "\" shape-rendering=\"crispEdges\" font-family=\"" +
           FonteImpressa + "\" font-size=\"" + TamanhoImpresso + "\">\n" + corpo_ + "</svg>\n";
}
