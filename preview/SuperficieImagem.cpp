#include "SuperficieImagem.h"

#include "FonteMiuda.h"
#include "Geometria.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

// A glyph row or column index held to 0 .. limite; 64-bit so that a text point near the int
// limits cannot overflow.
int LimitarIndice(long long valor, int limite)
{
    return static_cast<int>(std::clamp<long long>(valor, 0, limite));
}

}  // namespace

// Rows are reached from the pixels' start: scanLine() on every row would repeat the image's
// detach check, which costs more than the pixels themselves. Small enough to pass by value.
class SuperficieImagem::Pixels {
public:
    Pixels(uchar* inicio, int passo) : inicio_(inicio), passo_(passo) {}
    Indice* Linha(int y) const { return inicio_ + static_cast<std::ptrdiff_t>(y) * passo_; }
    // x = esquerda .. direita - 1 of row y, all on the surface. Written sixteen or eight pixels at a
    // time, the last ones overlapping those before: a 12-pixel cell row is two stores. Measured, this
    // beats memset even on the 240-pixel rows of the background.
    void Faixa(int y, int esquerda, int direita, Indice cor) const
    {
        Indice* pixel = Linha(y) + esquerda;
        const int quantos = direita - esquerda;
        if (quantos >= 16) {
            // Sixteen at a time, the widest store every x86-64 has: the rows of the background.
            const std::uint64_t oito = cor * 0x0101010101010101ULL;
            const struct {
                std::uint64_t Primeiros, Ultimos;
            } dezesseis{oito, oito};
            for (int i = 0; i + 16 < quantos; i += 16)
                std::memcpy(pixel + i, &dezesseis, sizeof dezesseis);
            std::memcpy(pixel + quantos - 16, &dezesseis, sizeof dezesseis);
        } else if (quantos >= 8) {
            const std::uint64_t oito = cor * 0x0101010101010101ULL;
            for (int i = 0; i + 8 < quantos; i += 8)
                std::memcpy(pixel + i, &oito, sizeof oito);
            std::memcpy(pixel + quantos - 8, &oito, sizeof oito);
        } else if (quantos >= 4) {
            const std::uint32_t quatro = cor * 0x01010101U;
            std::memcpy(pixel, &quatro, sizeof quatro);
            std::memcpy(pixel + quantos - 4, &quatro, sizeof quatro);
        } else {
            for (int i = 0; i < quantos; ++i)
                pixel[i] = cor;
        }
    }

private:
    uchar* inicio_;
    int passo_;
};

SuperficieImagem::SuperficieImagem(double escala) : escala_(EscalaPara(escala))
{
    CriarImagem();
    pincel_ = IndiceDaCor(Branco);
    corFonte_ = IndiceDaCor(Preto);
    imagem_.fill(pincel_);
}

double SuperficieImagem::EscalaPara(double razaoDoDispositivo)
{
    if (!(razaoDoDispositivo > 1.0))  // NaN too
        return 1.0;
    return std::min(razaoDoDispositivo, 8.0);
}

void SuperficieImagem::DefinirEscala(double escala)
{
    escala = EscalaPara(escala);
    if (escala == escala_)
        return;
    escala_ = escala;
    CriarImagem();
    imagem_.fill(pincel_);
}

void SuperficieImagem::CriarImagem()
{
    const Retangulo tamanho = RetanguloNoDispositivo(RetanguloSuperficie, escala_);
    largura_ = tamanho.Direita;
    altura_ = tamanho.Base;
    imagem_ = QImage(largura_, altura_, QImage::Format_Indexed8);
    imagem_.setColorTable(QList<QRgb>(cores_.begin(), cores_.begin() + quantasCores_));
    imagem_.setDevicePixelRatio(escala_);
    passo_ = static_cast<int>(imagem_.bytesPerLine());
    dados_ = nullptr;
    for (int i = 0; i <= LarguraGlifo; ++i)
        bordasColunas_[static_cast<std::size_t>(i)] = static_cast<int>(PixelDoDispositivo(i, escala_));
    for (int i = 0; i <= AlturaGlifo; ++i)
        bordasLinhas_[static_cast<std::size_t>(i)] = static_cast<int>(PixelDoDispositivo(i, escala_));
    avancoNoDispositivo_ = static_cast<int>(PixelDoDispositivo(AvancoGlifo, escala_));
    faixasProntas_ = false;
}

Retangulo SuperficieImagem::DentroDaSuperficie(const Retangulo& r) const
{
    return {std::max(r.Esquerda, 0), std::max(r.Topo, 0), std::min(r.Direita, largura_), std::min(r.Base, altura_)};
}

bool SuperficieImagem::CabeNaSuperficie(const Retangulo& r) const
{
    return r.Esquerda >= 0 && r.Topo >= 0 && r.Direita <= largura_ && r.Base <= altura_;
}

SuperficieImagem::Pixels SuperficieImagem::PixelsParaEscrever()
{
    return Pixels(Dados(), passo_);
}

uchar* SuperficieImagem::Dados()
{
    // bits() checks for sharing and counts a change at every call, which costs more than the
    // pixels of a cell. The pointer is kept, and taken afresh only when a copy of the picture
    // shares the pixels (the copy must keep the old ones) or the colour table was changed.
    if (dados_ == nullptr || !imagem_.isDetached())
        dados_ = imagem_.bits();
    return dados_;
}

SuperficieImagem::Indice SuperficieImagem::IndiceDaCor(Cor cor, int reservada)
{
    for (int i = 0; i < quantasCores_; ++i)
        if (coresCartao_[static_cast<std::size_t>(i)] == cor)
            return static_cast<Indice>(i);
    const QRgb rgb = ParaQRgb(cor);

    int entrada = quantasCores_;
    if (quantasCores_ < MaximoDeCores) {
        ++quantasCores_;
        imagem_.setColorCount(quantasCores_);
    } else {
        entrada = EntradaLivre(reservada);
    }
    if (entrada < 0) {
        // Every entry is on the picture: the nearest colour held stands in for the new one.
        const auto distancia = [rgb](QRgb outra) {
            const int r = qRed(rgb) - qRed(outra), g = qGreen(rgb) - qGreen(outra), b = qBlue(rgb) - qBlue(outra);
            return r * r + g * g + b * b;
        };
        return static_cast<Indice>(std::min_element(cores_.begin(), cores_.end(),
                                                    [&](QRgb a, QRgb b) { return distancia(a) < distancia(b); }) -
                                   cores_.begin());
    }
    coresCartao_[static_cast<std::size_t>(entrada)] = cor;
    cores_[static_cast<std::size_t>(entrada)] = rgb;
    imagem_.setColor(entrada, rgb);
    dados_ = nullptr;  // a shared picture was copied by the change
    return static_cast<Indice>(entrada);
}

int SuperficieImagem::EntradaLivre(int reservada) const
{
    std::array<bool, MaximoDeCores> emUso{};
    emUso[pincel_] = true;
    emUso[corFonte_] = true;
    if (reservada >= 0)
        emUso[static_cast<std::size_t>(reservada)] = true;
    for (int y = 0; y < imagem_.height(); ++y) {
        const uchar* linha = imagem_.constScanLine(y);
        for (int x = 0; x < imagem_.width(); ++x)
            emUso[linha[x]] = true;
    }
    const auto livre = std::find(emUso.begin(), emUso.end(), false);
    return livre == emUso.end() ? -1 : static_cast<int>(livre - emUso.begin());
}

void SuperficieImagem::DefinirPincel(Cor cor)
{
    // The drawing switches between a few colours for every cell (a cell's white and its red
    // frame, a line number's face and its black mark): the font's and the last brush come first.
    if (coresCartao_[pincel_] == cor)
        return;
    const Indice anterior = pincel_;
    if (coresCartao_[corFonte_] == cor)
        pincel_ = corFonte_;
    else if (coresCartao_[pincelAnterior_] == cor)
        pincel_ = pincelAnterior_;
    else
        pincel_ = IndiceDaCor(cor);
    pincelAnterior_ = anterior;
}

void SuperficieImagem::Pintar(Pixels pixels, Retangulo r, Indice cor) const
{
    const Retangulo area = DentroDaSuperficie(r);
    if (Vazio(area))
        return;
    for (int y = area.Topo; y < area.Base; ++y)
        pixels.Faixa(y, area.Esquerda, area.Direita, cor);
}

void SuperficieImagem::Preencher(const Retangulo& r)
{
    Pintar(PixelsParaEscrever(), RetanguloNoDispositivo(r, escala_), pincel_);
}

void SuperficieImagem::PreencherDoisPlanos(Cor corFundo, const Retangulo& fundo, Cor corFrente,
                                           const Retangulo& frente)
{
    // Row by row, the background only where the front does not cover it: the whole-picture
    // background and the white card would otherwise write most pixels twice.
    const Indice corDeFundo = IndiceDaCor(corFundo);
    pincel_ = IndiceDaCor(corFrente, corDeFundo);
    const Pixels pixels = PixelsParaEscrever();
    const Retangulo a = DentroDaSuperficie(RetanguloNoDispositivo(fundo, escala_));
    Retangulo f = DentroDaSuperficie(RetanguloNoDispositivo(frente, escala_));
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

void SuperficieImagem::Moldurar(const Retangulo& original)
{
    const Retangulo r = RetanguloNoDispositivo(original, escala_);
    if (Vazio(r))
        return;
    const Pixels pixels = PixelsParaEscrever();
    if (escala_ != 1.0) {
        // Edges of whole device pixels along the inside, the same on every frame.
        const int e = EspessuraDaMoldura(escala_);
        if (CabeNaSuperficie(r) && r.Direita - r.Esquerda >= 2 * e && r.Base - r.Topo >= 2 * e) {
            for (int y = r.Topo; y < r.Topo + e; ++y)
                pixels.Faixa(y, r.Esquerda, r.Direita, pincel_);
            for (int y = r.Topo + e; y < r.Base - e; ++y) {
                Indice* linha = pixels.Linha(y);
                std::memset(linha + r.Esquerda, pincel_, static_cast<std::size_t>(e));
                std::memset(linha + r.Direita - e, pincel_, static_cast<std::size_t>(e));
            }
            for (int y = r.Base - e; y < r.Base; ++y)
                pixels.Faixa(y, r.Esquerda, r.Direita, pincel_);
            return;
        }
        Pintar(pixels, {r.Esquerda, r.Topo, r.Direita, std::min(r.Topo + e, r.Base)}, pincel_);
        Pintar(pixels, {r.Esquerda, std::max(r.Base - e, r.Topo), r.Direita, r.Base}, pincel_);
        Pintar(pixels, {r.Esquerda, r.Topo, std::min(r.Esquerda + e, r.Direita), r.Base}, pincel_);
        Pintar(pixels, {std::max(r.Direita - e, r.Esquerda), r.Topo, r.Direita, r.Base}, pincel_);
        return;
    }
    if (CabeNaSuperficie(r)) {
        // A cell frame: every edge on the picture, so no edge needs clipping.
        pixels.Faixa(r.Topo, r.Esquerda, r.Direita, pincel_);
        for (int y = r.Topo + 1; y < r.Base - 1; ++y) {
            Indice* linha = pixels.Linha(y);
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
    if (tamanho != tamanhoFonte_) {
        tamanhoFonte_ = tamanho;
        recuoFonte_ = RecuoSuperior(tamanho);
    }
    if (coresCartao_[corFonte_] != cor)
        corFonte_ = coresCartao_[pincel_] == cor ? pincel_ : IndiceDaCor(cor);
}

void SuperficieImagem::EscreverTexto(const Retangulo& recorte, int x, int y, std::string_view texto)
{
    if (escala_ != 1.0) {
        EscreverTextoNaEscala(recorte, x, y, texto);
        return;
    }
    const Pixels pixels = PixelsParaEscrever();
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
    if (!faixasProntas_ || corFaixas_ != corFonte_ || fundoFaixas_ != pincel_)
        PrepararFaixasGlifo();

    long long esquerda = x;
    for (const char caractere : texto) {
        if (esquerda >= area.Direita)
            break;  // the rest is clipped away
        const Glifo& glifo = GlifoOuEmBranco(caractere);
        if (linhasInteiras && esquerda >= area.Esquerda && esquerda + AvancoGlifo <= area.Direita) {
            // The usual case, a whole glyph and its blank column inside the clip: one prepared
            // four-byte span per glyph row.
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

void SuperficieImagem::EscreverTextoNaEscala(const Retangulo& recorte, int x, int y, std::string_view texto)
{
    // The text point is taken from the clip's corner, so a text placed alike in two equal cells
    // (a cell's letter, a line's number) lands on the same device pixels in each.
    const Retangulo celula = RetanguloNoDispositivo(recorte, escala_);
    const Pixels pixels = PixelsParaEscrever();
    const Retangulo area = DentroDaSuperficie(celula);
    if (Vazio(area))
        return;
    Pintar(pixels, area, pincel_);

    const long long topo =
        celula.Topo + PixelDoDispositivo(static_cast<long long>(y) + recuoFonte_ - recorte.Topo, escala_);
    long long esquerda = celula.Esquerda + PixelDoDispositivo(static_cast<long long>(x) - recorte.Esquerda, escala_);
    const bool linhasInteiras = topo >= area.Topo && topo + bordasLinhas_[AlturaGlifo] <= area.Base;
    if (!faixasProntas_ || corFaixas_ != corFonte_ || fundoFaixas_ != pincel_)
        PrepararFaixasGlifo();
    const auto avanco = static_cast<std::size_t>(avancoNoDispositivo_);
    for (const char caractere : texto) {
        if (esquerda >= area.Direita)
            break;  // the rest is clipped away
        const Glifo& glifo = GlifoOuEmBranco(caractere);
        if (linhasInteiras && esquerda >= area.Esquerda && esquerda + avancoNoDispositivo_ <= area.Direita) {
            // A whole character inside the clip: one prepared span per device row.
            for (int gy = 0; gy < AlturaGlifo; ++gy) {
                const Indice* faixa = faixasNaEscala_[glifo[static_cast<std::size_t>(gy)]].data();
                for (long long linha = topo + bordasLinhas_[static_cast<std::size_t>(gy)];
                     linha < topo + bordasLinhas_[static_cast<std::size_t>(gy) + 1]; ++linha)
                    std::memcpy(pixels.Linha(static_cast<int>(linha)) + esquerda, faixa, avanco);
            }
            esquerda += avancoNoDispositivo_;
            continue;
        }
        for (int gy = 0; gy < AlturaGlifo; ++gy) {
            const long long primeira = std::max<long long>(topo + bordasLinhas_[static_cast<std::size_t>(gy)], area.Topo);
            const long long ultima = std::min<long long>(topo + bordasLinhas_[static_cast<std::size_t>(gy) + 1], area.Base);
            for (int gx = 0; gx < LarguraGlifo; ++gx) {
                if (!PixelDoGlifo(glifo, gy, gx))
                    continue;
                const long long de = std::max<long long>(esquerda + bordasColunas_[static_cast<std::size_t>(gx)], area.Esquerda);
                const long long ate =
                    std::min<long long>(esquerda + bordasColunas_[static_cast<std::size_t>(gx) + 1], area.Direita);
                if (de >= ate)
                    continue;
                for (long long linha = primeira; linha < ultima; ++linha)
                    pixels.Faixa(static_cast<int>(linha), static_cast<int>(de), static_cast<int>(ate), corFonte_);
            }
        }
        esquerda += avancoNoDispositivo_;
    }
}

void SuperficieImagem::PrepararFaixasGlifo()
{
    // Every row a glyph can have (three bits), followed by the blank column, in the current colours.
    for (unsigned bits = 0; bits < faixasGlifo_.size(); ++bits)
        for (int gx = 0; gx < AvancoGlifo; ++gx)
            faixasGlifo_[bits][static_cast<std::size_t>(gx)] =
                gx < LarguraGlifo && (bits >> (LarguraGlifo - 1 - gx)) & 1U ? corFonte_ : pincel_;
    if (escala_ != 1.0) {
        for (unsigned bits = 0; bits < faixasNaEscala_.size(); ++bits)
            for (int gx = 0; gx < LarguraGlifo + 1; ++gx)
                for (int x = bordasColunas_[static_cast<std::size_t>(gx)];
                     x < (gx < LarguraGlifo ? bordasColunas_[static_cast<std::size_t>(gx) + 1] : avancoNoDispositivo_); ++x)
                    faixasNaEscala_[bits][static_cast<std::size_t>(x)] =
                        gx < LarguraGlifo && (bits >> (LarguraGlifo - 1 - gx)) & 1U ? corFonte_ : pincel_;
    }
    corFaixas_ = corFonte_;
    fundoFaixas_ = pincel_;
    faixasProntas_ = true;
}

void SuperficieImagem::EscreverGlifo(Pixels pixels, const Glifo& glifo, int topo, int esquerda,
                                     int primeiraLinha, int ultimaLinha, int primeiraColuna, int ultimaColuna) const
{
    // The clip was just filled with the brush, so each pixel is either the font colour or the
    // brush: written without reading or testing it, and a character without a glyph writes brush.
    for (int gy = primeiraLinha; gy < ultimaLinha; ++gy) {
        Indice* linha = pixels.Linha(topo + gy);
        const unsigned bits = glifo[static_cast<std::size_t>(gy)];
        for (int gx = primeiraColuna; gx < ultimaColuna; ++gx)
            linha[esquerda + gx] = (bits >> (LarguraGlifo - 1 - gx)) & 1U ? corFonte_ : pincel_;
    }
}

void PintarImagemDoCartao(QPainter& pintor, const QRect& area, const QImage& imagem, std::span<const QRect> realces,
                          QRgb corRealce)
{
    constexpr int AlturaFaixa = 64;
    const qreal escala = imagem.devicePixelRatio();
    // The device pixels that show any part of the area.
    const QRect noDispositivo =
        escala == 1.0 ? area
                      : QRect(QPoint(static_cast<int>(std::floor(area.left() * escala)),
                                     static_cast<int>(std::floor(area.top() * escala))),
                              QPoint(static_cast<int>(std::ceil((area.right() + 1) * escala)) - 1,
                                     static_cast<int>(std::ceil((area.bottom() + 1) * escala)) - 1));
    const QRect parte = noDispositivo & imagem.rect();
    for (int y = parte.top(); y <= parte.bottom(); y += AlturaFaixa) {
        const QRect faixa(parte.left(), y, parte.width(), std::min(AlturaFaixa, parte.bottom() + 1 - y));
        QImage pixels = imagem.copy(faixa).convertToFormat(QImage::Format_RGB32);
        for (const QRect& realce : realces) {
            const QRect sobre = realce & faixa;
            for (int ry = sobre.top(); ry <= sobre.bottom(); ++ry) {
                QRgb* linha = reinterpret_cast<QRgb*>(pixels.scanLine(ry - faixa.top()));
                std::fill(linha + (sobre.left() - faixa.left()), linha + (sobre.right() + 1 - faixa.left()), corRealce);
            }
        }
        if (escala == 1.0) {
            pintor.drawImage(faixa.topLeft(), pixels);
        } else {
            // Given in the painter's units, the band's rectangle maps back onto the very device
            // pixels it came from: Qt copies it one to one, with nothing to resample.
            pintor.drawImage(QRectF(faixa.left() / escala, faixa.top() / escala, faixa.width() / escala,
                                    faixa.height() / escala),
                             pixels, QRectF(0, 0, faixa.width(), faixa.height()));
        }
    }
}
