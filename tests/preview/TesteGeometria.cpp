// Cell, outline and colour geometry of the card picture.

#include "Geometria.h"
#include "SuperficieImagem.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Geometria, CelulasDasColunasExtremas)
{
    EXPECT_EQ(RetanguloCelula(1, ColunaNumeroLinha), (Retangulo{10, 11, 22, 19}));
    EXPECT_EQ(RetanguloCelula(1, ColunaSincronismo), (Retangulo{25, 11, 37, 19}));
    EXPECT_EQ(RetanguloCelula(1, 1), (Retangulo{40, 11, 52, 19}));
    EXPECT_EQ(RetanguloCelula(2, 5), (Retangulo{100, 20, 112, 28}));
    EXPECT_EQ(RetanguloCelula(90, 12), (Retangulo{205, 812, 217, 820}));
}

TEST(Geometria, ContornoVaiDeNoveAcimaDaLinha1ADezAbaixoDaUltima)
{
    EXPECT_EQ(RetanguloContorno(1), (Retangulo{25, 2, 225, 29}));
    EXPECT_EQ(RetanguloContorno(90), (Retangulo{25, 2, 225, 830}));
    EXPECT_EQ(RetanguloContorno(90).Base, RetanguloCelula(90, 0).Base + 10);
}

TEST(Geometria, ValoresExtremosNaoTransbordamEFicamForaDaSuperficie)
{
    EXPECT_GT(RetanguloContorno(INT_MAX).Base, AlturaCartao);
    EXPECT_TRUE(Vazio(RetanguloContorno(INT_MIN)));
    EXPECT_TRUE(Vazio(RetanguloContorno(-5)));
    EXPECT_GT(RetanguloCelula(INT_MAX, 1).Topo, AlturaCartao);
    EXPECT_LT(RetanguloCelula(INT_MIN, 1).Base, 0);
    EXPECT_GT(RetanguloCelula(1, INT_MAX).Esquerda, LarguraCartao);
}

TEST(Cores, PalavrasBGRViramOsCanaisCertos)
{
    EXPECT_EQ(ParaQRgb(Vermelho), qRgb(255, 0, 0));
    EXPECT_EQ(ParaQRgb(Verde), qRgb(0, 128, 0));
    EXPECT_EQ(ParaQRgb(Branco), qRgb(255, 255, 255));
    EXPECT_EQ(ParaQRgb(Preto), qRgb(0, 0, 0));
    EXPECT_EQ(ParaQRgb(0x00123456), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(DeQRgb(qRgb(0x56, 0x34, 0x12)), 0x00123456U);
}
