// The program's pictures: sizes, the transparent key colour, the greyed copies and the logo.

#include "ArteFiguras.h"
#include "DesenhoLogo.h"
#include "Figuras.h"
#include "ProcessamentoFiguras.h"

#include <QIcon>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

struct TFiguraBotao {
    std::string Nome;
    std::function<QIcon()> Criar;
    Figura Desenho;
};

const TFiguraBotao FigurasBotao[] = {
    {"Novo", FiguraNovo, Figura::Novo},          {"Abrir", FiguraAbrir, Figura::Abrir},
    {"Salvar", FiguraSalvar, Figura::Salvar},    {"Mascara", FiguraMascara, Figura::Mascara},
    {"Ajuda", FiguraAjuda, Figura::Ajuda},       {"Fechar", FiguraFechar, Figura::Fechar},
};

QImage Imagem(const QIcon& icone, QIcon::Mode modo, QSize tamanho = {16, 16})
{
    return icone.pixmap(tamanho, modo).toImage().convertToFormat(QImage::Format_ARGB32);
}

int PixelsVisiveis(const QImage& imagem)
{
    int total = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            total += qAlpha(imagem.pixel(x, y)) != 0;
    return total;
}

QSet<QRgb> CoresOpacas(const QImage& imagem)
{
    QSet<QRgb> cores;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (qAlpha(imagem.pixel(x, y)) == 255)
                cores.insert(imagem.pixel(x, y));
    return cores;
}

int ContarCor(const QImage& imagem, QRgb cor)
{
    int total = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            total += imagem.pixel(x, y) == cor;
    return total;
}

class FiguraDeBotao : public ::testing::TestWithParam<TFiguraBotao> {};

}  // namespace

TEST_P(FiguraDeBotao, TemDezesseisPorDezesseisNosDoisModos)
{
    const QIcon icone = GetParam().Criar();
    ASSERT_FALSE(icone.isNull());
    EXPECT_EQ(icone.availableSizes(QIcon::Normal), QList<QSize>{QSize(16, 16)});
    EXPECT_EQ(icone.availableSizes(QIcon::Disabled), QList<QSize>{QSize(16, 16)});
}

TEST_P(FiguraDeBotao, CorDoCantoInferiorEsquerdoFicaTransparente)
{
    const QImage normal = Imagem(GetParam().Criar(), QIcon::Normal);
    EXPECT_EQ(qAlpha(normal.pixel(0, 15)), 0);
    // A drawing, not an empty square and not a filled one.
    const int visiveis = PixelsVisiveis(normal);
    EXPECT_GT(visiveis, 50);
    EXPECT_LT(visiveis, 256 - 30);
}

TEST_P(FiguraDeBotao, UsaNoMaximoDezesseisCores)
{
    // Fifteen drawn colours plus the transparent key.
    EXPECT_LE(CoresOpacas(Imagem(GetParam().Criar(), QIcon::Normal)).size(), 15);
}

TEST_P(FiguraDeBotao, CopiaDesabilitadaEhCinzaEDiferenteDaNormal)
{
    const QIcon icone = GetParam().Criar();
    const QImage normal = Imagem(icone, QIcon::Normal);
    const QImage desabilitada = Imagem(icone, QIcon::Disabled);
    EXPECT_NE(normal, desabilitada);
    EXPECT_EQ(qAlpha(desabilitada.pixel(0, 15)), 0);
    EXPECT_GT(PixelsVisiveis(desabilitada), 20);
    for (const QRgb cor : CoresOpacas(desabilitada))
        EXPECT_TRUE(qRed(cor) == qGreen(cor) && qGreen(cor) == qBlue(cor))
            << "cor não cinza " << std::hex << cor;
}

TEST_P(FiguraDeBotao, GuardaOsPixelsDaArteAcabadaAoCompilar)
{
    const QIcon icone = GetParam().Criar();
    const QImage normal = AplicarCorTransparente(Arte(GetParam().Desenho));
    EXPECT_EQ(Imagem(icone, QIcon::Normal), normal);
    EXPECT_EQ(Imagem(icone, QIcon::Disabled), GerarCopiaDesabilitada(normal));
}

INSTANTIATE_TEST_SUITE_P(Botoes, FiguraDeBotao, ::testing::ValuesIn(FigurasBotao),
                         [](const auto& info) { return info.param.Nome; });

TEST(IconeJanela, CartaoBrancoComMarcasPretasEPosicoesVermelhas)
{
    const QIcon icone = IconeJanela();
    EXPECT_EQ(icone.availableSizes(), QList<QSize>{QSize(32, 32)});
    const QImage imagem = Imagem(icone, QIcon::Normal, {32, 32});
    EXPECT_EQ(imagem, AplicarCorTransparente(Arte(Figura::Janela)));
    EXPECT_EQ(qAlpha(imagem.pixel(0, 31)), 0);
    EXPECT_LE(CoresOpacas(imagem).size(), 15);

    const QRgb branco = qRgb(255, 255, 255), preto = qRgb(0, 0, 0), vermelho = qRgb(255, 0, 0);
    EXPECT_GT(ContarCor(imagem, branco), 200);
    EXPECT_GT(ContarCor(imagem, vermelho), 100);
    // The timing marks lie down the left edge of the card, left of every red position.
    int esquerdaVermelho = 32;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (imagem.pixel(x, y) == vermelho)
                esquerdaVermelho = std::min(esquerdaVermelho, x);
    int linhasComMarca = 0;
    for (int y = 3; y < 29; ++y) {
        bool marca = false;
        for (int x = 5; x + 1 < esquerdaVermelho - 1; ++x)
            marca = marca || (imagem.pixel(x, y) == preto && imagem.pixel(x + 1, y) == preto);
        linhasComMarca += marca;
    }
    EXPECT_GE(linhasComMarca, 12);
}

TEST(LogoPelunca, TemTrezentosEOitentaPorSessentaComFundoTransparente)
{
    const QPixmap logo = LogoPelunca();
    ASSERT_EQ(logo.size(), QSize(380, 60));
    const QImage imagem = logo.toImage().convertToFormat(QImage::Format_ARGB32);
    // The button face shows through around the drawing.
    for (const QPoint canto : {QPoint(0, 0), QPoint(379, 0), QPoint(0, 59), QPoint(379, 59)})
        EXPECT_EQ(qAlpha(imagem.pixel(canto)), 0);
    const double cobertura = double(PixelsVisiveis(imagem)) / (380 * 60);
    EXPECT_GT(cobertura, 0.15);
    EXPECT_LT(cobertura, 0.8);
    // Drawn across the whole width: something on the left (the badge) and the right (the name).
    int esquerda = 0, direita = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x)
            esquerda += qAlpha(imagem.pixel(x, y)) == 255;
        for (int x = 320; x < 380; ++x)
            direita += qAlpha(imagem.pixel(x, y)) == 255;
    }
    EXPECT_GT(esquerda, 1000);
    EXPECT_GT(direita, 300);
}

TEST(LogoPelunca, GuardaExatamenteOsPixelsDoDesenho)
{
    // The program's logo is the one drawn at build time; drawn again now it must match pixel for pixel.
    const QImage guardado = LogoPelunca().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage desenhado = DesenharLogoPelunca();
    ASSERT_EQ(guardado.size(), desenhado.size());
    EXPECT_TRUE(guardado == desenhado);
}

TEST(ProcessamentoFiguras, CorTransparenteEhADoPixelInferiorEsquerdo)
{
    QImage figura(3, 3, QImage::Format_RGB32);
    figura.fill(qRgb(255, 0, 255));
    figura.setPixel(1, 1, qRgb(0, 0, 0));
    figura.setPixel(2, 0, qRgb(255, 255, 0));
    figura.setPixel(0, 2, qRgb(0, 128, 0));  // the key is this colour, not the magenta
    figura.setPixel(2, 2, qRgb(0, 128, 0));

    const QImage resultado = AplicarCorTransparente(figura);
    EXPECT_EQ(qAlpha(resultado.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(resultado.pixel(2, 2)), 0);
    EXPECT_EQ(resultado.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(resultado.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(resultado.pixel(2, 0), qRgb(255, 255, 0));
}

TEST(ProcessamentoFiguras, CopiaDesabilitadaEmRelevo)
{
    QImage figura(4, 4, QImage::Format_ARGB32);
    figura.fill(Qt::transparent);
    figura.setPixel(0, 0, qRgb(0, 0, 0));      // dark: grey, highlight at (1, 1)
    figura.setPixel(1, 1, qRgb(0, 0, 128));    // dark too: its grey covers the highlight above
    figura.setPixel(3, 3, qRgb(128, 0, 0));    // on the border: highlight falls outside
    figura.setPixel(3, 0, qRgb(255, 255, 0));  // light fill: drops out

    const QImage copia = GerarCopiaDesabilitada(figura);
    const QRgb cinza = qRgb(128, 128, 128), branco = qRgb(255, 255, 255);
    EXPECT_EQ(copia.pixel(0, 0), cinza);
    EXPECT_EQ(copia.pixel(1, 1), cinza);
    EXPECT_EQ(copia.pixel(2, 2), branco);
    EXPECT_EQ(copia.pixel(3, 3), cinza);
    EXPECT_EQ(qAlpha(copia.pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(copia.pixel(1, 0)), 0);
}

TEST(ProcessamentoFiguras, IconeDeBotaoLevaACopiaDesabilitadaDaFiguraTransparente)
{
    QImage figura(16, 16, QImage::Format_RGB32);
    figura.fill(qRgb(255, 0, 255));
    for (int i = 2; i < 14; ++i)
        figura.setPixel(i, i, qRgb(0, 0, 0));

    const QIcon icone = IconeDeBotao(figura);
    const QImage esperada = GerarCopiaDesabilitada(AplicarCorTransparente(figura));
    EXPECT_EQ(Imagem(icone, QIcon::Disabled), esperada);
    EXPECT_EQ(Imagem(icone, QIcon::Normal), AplicarCorTransparente(figura));
}

TEST(ProcessamentoFiguras, FiguraJaTransparenteNoCantoFicaComoEsta)
{
    QImage figura(2, 2, QImage::Format_ARGB32);
    figura.fill(Qt::transparent);
    figura.setPixel(1, 0, qRgb(0, 0, 0));  // black must not be taken for the transparent pixel's RGB
    figura.setPixel(1, 1, qRgb(255, 255, 255));
    EXPECT_EQ(AplicarCorTransparente(figura), figura);
}
