// The image surface: fills, frames and the built-in pixel font, clipped to the picture.

#include "FonteMiuda.h"
#include "Geometria.h"
#include "LeituraImagem.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <climits>

namespace {

constexpr Cor Fundo = 0x00C08040;

class SuperficieImagemTeste : public ::testing::Test {
protected:
    SuperficieImagemTeste()
    {
        superficie.DefinirPincel(Fundo);
        superficie.Preencher(RetanguloSuperficie);
    }
    const QImage& imagem() const { return superficie.Imagem(); }

    SuperficieImagem superficie;
};

}  // namespace

TEST_F(SuperficieImagemTeste, ImagemTemOTamanhoEOFormatoDoCartao)
{
    EXPECT_EQ(imagem().width(), 240);
    EXPECT_EQ(imagem().height(), 850);
    // One byte a pixel: a quarter of the memory of a 32-bit picture.
    EXPECT_EQ(imagem().format(), QImage::Format_Indexed8);
    EXPECT_EQ(imagem().sizeInBytes(), 240 * 850);
    EXPECT_TRUE(SoCor(imagem(), RetanguloSuperficie, Fundo));
}

TEST_F(SuperficieImagemTeste, PreencherExcluiDireitaEBase)
{
    superficie.DefinirPincel(Vermelho);
    superficie.Preencher({10, 20, 13, 22});
    EXPECT_EQ(ContarCor(imagem(), RetanguloSuperficie, Vermelho), 6);
    EXPECT_TRUE(SoCor(imagem(), {10, 20, 13, 22}, Vermelho));
    EXPECT_EQ(CorEm(imagem(), 13, 20), Fundo);
    EXPECT_EQ(CorEm(imagem(), 10, 22), Fundo);
}

TEST_F(SuperficieImagemTeste, UmaCopiaDaFiguraGuardaOsPixelsDeQuandoFoiFeita)
{
    // The surface keeps its pixel pointer between operations; a copy sharing the pixels must
    // still not see what is drawn after it, whether the colour is held already or is new.
    superficie.DefinirPincel(Vermelho);
    superficie.Preencher({0, 0, 4, 4});
    const QImage antesDoVermelho = imagem();
    superficie.Preencher({10, 10, 14, 14});
    const QImage antesDoVerde = imagem();
    superficie.DefinirPincel(Verde);
    superficie.Preencher({20, 20, 24, 24});

    EXPECT_EQ(CorEm(antesDoVermelho, 10, 10), Fundo);
    EXPECT_EQ(CorEm(antesDoVerde, 10, 10), Vermelho);
    EXPECT_EQ(CorEm(antesDoVerde, 20, 20), Fundo);
    EXPECT_EQ(CorEm(imagem(), 10, 10), Vermelho);
    EXPECT_EQ(CorEm(imagem(), 20, 20), Verde);
}

TEST_F(SuperficieImagemTeste, MolduraSegueOLadoDeDentroComUmPixel)
{
    superficie.DefinirPincel(Vermelho);
    superficie.Moldurar({40, 11, 52, 19});
    EXPECT_TRUE(TemMoldura(imagem(), {40, 11, 52, 19}, Vermelho));
    EXPECT_TRUE(SoCor(imagem(), {41, 12, 51, 18}, Fundo));
    EXPECT_EQ(ContarCor(imagem(), RetanguloSuperficie, Vermelho), 2 * 12 + 2 * 6);
}

TEST_F(SuperficieImagemTeste, RetangulosForaDaSuperficieSaoRecortados)
{
    superficie.DefinirPincel(Preto);
    superficie.Preencher({-100, 845, 3, 2000});
    EXPECT_EQ(ContarCor(imagem(), RetanguloSuperficie, Preto), 3 * 5);
    superficie.Moldurar({25, 2, 225, 900});  // the bottom edge lies below the picture
    EXPECT_EQ(CorEm(imagem(), 25, 849), Preto);
    EXPECT_EQ(CorEm(imagem(), 100, 849), Fundo);
    superficie.Preencher({INT_MIN, INT_MIN, INT_MAX, -1});
    superficie.Moldurar({30, 30, 30, 40});  // empty
    superficie.Moldurar({30, 40, 50, 30});  // inverted
    EXPECT_EQ(CorEm(imagem(), 30, 30), Fundo);
    EXPECT_EQ(CorEm(imagem(), 0, 0), Fundo);
}

TEST_F(SuperficieImagemTeste, TextoPreencheORecorteComOPincelAntes)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({40, 11, 52, 19}, 40, 11, "");
    EXPECT_TRUE(SoCor(imagem(), {40, 11, 52, 19}, Branco));
    EXPECT_EQ(CorEm(imagem(), 52, 11), Fundo);
}

TEST_F(SuperficieImagemTeste, AlgarismoUmTemExatamenteOsPixelsDoGlifo)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({40, 11, 52, 19}, 40, 11, "1");
    // Size 5 leaves one blank row above the glyph.
    const char* esperado[] = {
        "............",
        ".#..........",
        "##..........",
        ".#..........",
        ".#..........",
        "###.........",
        "............",
        "............",
    };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(CorEm(imagem(), 40 + x, 11 + y), esperado[y][x] == '#' ? Vermelho : Branco)
                << "x " << x << " y " << y;
}

TEST_F(SuperficieImagemTeste, TamanhoSeisDesceOTextoUmPixel)
{
    EXPECT_EQ(RecuoSuperior(5), 1);
    EXPECT_EQ(RecuoSuperior(6), 2);
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteNumeroLinha, Vermelho);
    superficie.EscreverTexto({10, 11, 22, 19}, 10, 11, "7");
    EXPECT_EQ(ContarCor(imagem(), {10, 11, 22, 13}, Vermelho), 0);
    EXPECT_EQ(ContarCor(imagem(), {10, 13, 13, 14}, Vermelho), 3);  // the bar of the 7
}

TEST_F(SuperficieImagemTeste, TextoSoTemDuasCoresSemSuavizacao)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte("Qualquer Outra", TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({40, 11, 52, 19}, 40, 11, "888");
    EXPECT_TRUE(SoCores(imagem(), {40, 11, 52, 19}, Branco, Vermelho));
    EXPECT_EQ(ContarCor(imagem(), {40, 11, 52, 19}, Vermelho), 3 * 13);
}

TEST_F(SuperficieImagemTeste, TresAlgarismosCabemNaCelulaDeDozePixels)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({40, 11, 52, 19}, 40, 11, "540");
    EXPECT_EQ(LerTexto(imagem(), {40, 11, 52, 19}, 0, TamanhoFonteGrupo, Vermelho), "540");
}

TEST_F(SuperficieImagemTeste, TextoLongoFicaDentroDoRecorte)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({40, 11, 52, 19}, 40, 11, "12345678901234567890");
    superficie.EscreverTexto({40, 30, 52, 38}, 36, 28, "888");  // starts above and left of its clip
    EXPECT_EQ(LerTexto(imagem(), {40, 11, 52, 19}, 0, TamanhoFonteGrupo, Vermelho), "123");
    const int dentro = ContarCor(imagem(), {40, 11, 52, 19}, Vermelho) + ContarCor(imagem(), {40, 30, 52, 38}, Vermelho);
    EXPECT_EQ(ContarCor(imagem(), RetanguloSuperficie, Vermelho), dentro);
    EXPECT_GT(ContarCor(imagem(), {40, 30, 52, 38}, Vermelho), 0);
}

TEST_F(SuperficieImagemTeste, TodosOsCaracteresDaFonteSaoLegiveisEDistintos)
{
    superficie.DefinirPincel(Branco);
    superficie.DefinirFonte(FonteCartao, TamanhoFonteGrupo, Vermelho);
    superficie.EscreverTexto({0, 100, 240, 108}, 0, 100, "0123456789ABCDE");
    EXPECT_EQ(LerTexto(imagem(), {0, 100, 240, 108}, 0, TamanhoFonteGrupo, Vermelho), "0123456789ABCDE");
    EXPECT_EQ(GlifoDe('F'), nullptr);
    EXPECT_EQ(GlifoDe('a'), nullptr);
}

// Painting the picture in 32-bit bands gives the pixels of drawing the indexed picture directly,
// for the whole picture and for parts that start and end inside bands and off the picture.
TEST_F(SuperficieImagemTeste, PintarEmFaixasDaOsPixelsDoDesenhoDireto)
{
    for (int i = 0; i < 200; ++i) {
        superficie.DefinirPincel(static_cast<Cor>(i) * 0x030507);
        superficie.Preencher({i % 240, i * 4, i % 240 + 17, i * 4 + 9});
    }
    for (const QRect area : {QRect(0, 0, 240, 850), QRect(13, 70, 101, 300), QRect(0, 63, 240, 2),
                             QRect(200, 800, 100, 100), QRect(-5, -5, 20, 20)}) {
        QImage emFaixas(240, 850, QImage::Format_RGB32);
        emFaixas.fill(Qt::cyan);
        QImage direto = emFaixas;
        {
            QPainter pintor(&emFaixas);
            PintarImagemDoCartao(pintor, area, imagem());
        }
        {
            QPainter pintor(&direto);
            pintor.drawImage(area, imagem(), area);
        }
        EXPECT_EQ(emFaixas, direto) << area.x() << " " << area.y() << " " << area.width() << " " << area.height();
    }
}
