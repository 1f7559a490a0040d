// Manual mask selection: the mode button and presses on the card picture.

#include "JanelaTeste.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QRadioButton>
#include <QTest>

namespace {

constexpr QRgb Verde = 0x008000;
constexpr QRgb Branco = 0xFFFFFF;
constexpr QRgb Vermelho = 0xFF0000;

class EdicaoMascara : public JanelaTeste {
protected:
    void SetUp() override { AbrirJanela(); }

    void Pressionar(int x, int y, Qt::MouseButton botao = Qt::LeftButton)
    {
        QTest::mouseClick(janela->ImgCartao, botao, {}, QPoint(x, y));
    }

    void LigarModo()
    {
        Clicar(janela->BitMascara);
        ASSERT_TRUE(janela->ModoMascara);
    }

    // Pixels of a cell: its inside and its top-left corner (the frame).
    QRgb Dentro(int linha, int coluna) const { return Pixel(25 + 15 * coluna + 5, 9 * linha + 5); }
    QRgb Borda(int linha, int coluna) const { return Pixel(25 + 15 * coluna, 9 * linha + 2); }

    bool AlgumVerde() const
    {
        const QImage& imagem = janela->ImagemCartao();
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                if ((imagem.pixel(x, y) & 0xFFFFFF) == Verde)
                    return true;
        return false;
    }
};

TEST_F(EdicaoMascara, SwitchingOnChangesTheCaptionAndPaintsOnlyMaskedCellsButNoByte)
{
    LigarModo();
    EXPECT_EQ(janela->BitMascara->text(), "Click Aqui Quando &Terminar a seleção");
    EXPECT_TRUE(Salvo()) << "a Save now would write the same bytes";
    EXPECT_FALSE(AlgumVerde()) << "the first-time card has no masked cell";
}

TEST_F(EdicaoMascara, APressTogglesTheCellAndItsPicture)
{
    LigarModo();
    janela->BitSalvar->setEnabled(false);
    Pressionar(45, 15);
    EXPECT_EQ(Celula(1, 1), Mascarado);
    EXPECT_EQ(Dentro(1, 1), Verde);
    EXPECT_EQ(Borda(1, 1), Verde);
    EXPECT_FALSE(Salvo()) << "a toggle is an edit";

    Pressionar(45, 15, Qt::RightButton);
    EXPECT_EQ(Celula(1, 1), Lido);
    EXPECT_EQ(Dentro(1, 1), Branco);
    EXPECT_EQ(Borda(1, 1), Vermelho);

    Pressionar(45, 15, Qt::MiddleButton);
    EXPECT_EQ(Celula(1, 1), Mascarado);
}

TEST_F(EdicaoMascara, TheHitAreaIncludesOnePixelBeyondTheRightAndBottomEdges)
{
    LigarModo();
    Pressionar(52, 19);
    EXPECT_EQ(Celula(1, 1), Mascarado);
    Pressionar(40, 11);
    EXPECT_EQ(Celula(1, 1), Lido);
    Pressionar(53, 15);
    Pressionar(54, 15);
    EXPECT_EQ(Celula(1, 1), Lido);
    EXPECT_EQ(Celula(1, 2), Lido);
    Pressionar(55, 15);
    EXPECT_EQ(Celula(1, 2), Mascarado);
}

TEST_F(EdicaoMascara, PressesOutsideEditableCellsDoNothing)
{
    LigarModo();
    const TCartao antes = janela->Cartao;
    for (const QPoint ponto : {QPoint(15, 15), QPoint(30, 15), QPoint(53, 15), QPoint(230, 15), QPoint(45, 5),
                               QPoint(45, 24), QPoint(45, 400), QPoint(239, 849)})
        Pressionar(ponto.x(), ponto.y());
    EXPECT_EQ(janela->Cartao, antes);
}

TEST_F(EdicaoMascara, PressesDoNothingOutsideTheMode)
{
    Pressionar(45, 15);
    EXPECT_EQ(Celula(1, 1), Lido);
    EXPECT_TRUE(Salvo());
}

TEST_F(EdicaoMascara, LabelsTurnGreenCanBeClearedAndComeBackWithTheNextRedraw)
{
    SetaParaCima(janela->SpeLinhaFinal, 1);
    Escolher(janela->CobDivisao, 6);  // item numbers in columns 1, 3, 5...
    LigarModo();
    EXPECT_EQ(Dentro(1, 1), Verde);
    EXPECT_EQ(Dentro(2, 3), Verde);
    EXPECT_NE(Dentro(1, 2), Verde);

    Pressionar(45, 15);
    EXPECT_EQ(Celula(1, 1), Lido);
    EXPECT_EQ(Borda(1, 1), Vermelho) << "blanked like an empty mark position";

    Clicar(janela->BitMascara);  // off: the full redraw prints the label again
    EXPECT_FALSE(janela->ModoMascara);
    EXPECT_EQ(janela->BitMascara->text(), "&Definir Manualmente os Campos Mascarados");
    EXPECT_EQ(Celula(1, 1), Mascarado);
    EXPECT_EQ(Dentro(1, 1), Branco);
    EXPECT_FALSE(AlgumVerde());
}

TEST_F(EdicaoMascara, ADisabledGroupIsNeitherPaintedNorToggled)
{
    SetaParaCima(janela->SpeMaxGrupo);
    SetaParaCima(janela->SpeNumGrupo);
    Clicar(janela->RdgHabilitado->Botao(1));
    ASSERT_EQ(Celula(2, 1), Mascarado);
    LigarModo();
    EXPECT_NE(Dentro(2, 1), Verde);
    Pressionar(45, 24);
    EXPECT_EQ(Celula(2, 1), Mascarado);
    Pressionar(45, 15);
    EXPECT_EQ(Celula(1, 1), Mascarado) << "the enabled group above still toggles";
}

TEST_F(EdicaoMascara, MovingToAnotherGroupEndsTheModeAndKeepsEveryToggle)
{
    SetaParaCima(janela->SpeMaxGrupo);
    LigarModo();
    Pressionar(45, 15);
    Pressionar(70, 24);
    SetaParaCima(janela->SpeNumGrupo);
    EXPECT_FALSE(janela->ModoMascara);
    EXPECT_EQ(janela->BitMascara->text(), "&Definir Manualmente os Campos Mascarados");
    EXPECT_FALSE(AlgumVerde());
    EXPECT_EQ(Celula(1, 1), Mascarado);
    EXPECT_EQ(Celula(2, 3), Mascarado);
    EXPECT_EQ(Dentro(1, 1), Branco) << "a masked mark position shows plain card";
}

TEST_F(EdicaoMascara, SaveLeavesTheSelectionOnAndLaterTogglesMarkUnsavedAgain)
{
    LigarModo();
    Pressionar(45, 15);
    dialogos->ArquivosParaSalvar.push_back(Caminho("meio.cfg"));
    Clicar(janela->BitSalvar);
    ASSERT_TRUE(Salvo());
    EXPECT_TRUE(janela->ModoMascara);
    EXPECT_EQ(Dentro(1, 1), Verde);
    EXPECT_EQ(janela->BitMascara->text(), "Click Aqui Quando &Terminar a seleção");

    Pressionar(60, 15);
    EXPECT_FALSE(Salvo()) << "the toggle after the save is a change the file does not hold";
}

TEST_F(EdicaoMascara, NameCheckDigitPortAndModeLeaveTheSelectionOn)
{
    LigarModo();
    Pressionar(45, 15);
    Digitar(janela->EdtNome, "x");
    Escolher(janela->CBSerial, 2);
    Clicar(janela->RdgLeitura->Botao(0));
    EXPECT_TRUE(janela->ModoMascara);
    EXPECT_EQ(Dentro(1, 1), Verde);
}

}  // namespace
