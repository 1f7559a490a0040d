// The card picture from the keyboard: Tab reaches it, the keys move its cursor, and Space and
// Shift+Space do to the mask exactly what clicks on the cursor cell do.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "Geometria.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TSpinEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <vector>

namespace {

// 90 lines: group 1 of type 4 on lines 1-30, group 2 disabled on 31-60, group 3 of type 0 on 61-90.
TCartao CartaoDeTresGrupos()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    cartao.NumGrupos = 3;
    cartao.NumLinhas = 90;
    cartao.Grupos[1] = TGrupo{"Um", 1, 30, 4, 1};
    cartao.Grupos[2] = TGrupo{"Dois", 31, 60, 0, 0};
    cartao.Grupos[3] = TGrupo{"Tres", 61, 90, 0, 1};
    for (int linha = 31; linha <= 60; ++linha)
        for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna)
            cartao.Mascara[IndiceCelula(linha, coluna)] = Mascarado;
    return cartao;
}

struct Tecla {
    Qt::Key Codigo;
    Qt::KeyboardModifiers Modificadores = Qt::NoModifier;
};

const Tecla Espaco{Qt::Key_Space};
const Tecla ShiftEspaco{Qt::Key_Space, Qt::ShiftModifier};

class TecladoDesenho : public JanelaTeste {
protected:
    void AbrirComTresGrupos()
    {
        Escrever("tres.cfg", ConteudoArquivoCfg(CartaoDeTresGrupos()));
        Escrever("Cfg.inf", Caminho("tres.cfg").toStdString());
        AbrirJanela();
        ASSERT_EQ(janela->Cartao.NumLinhas, 90);
    }

    // As the operator gets there: Tab from the last control of the group panel.
    void FocarDesenho()
    {
        Focar(janela->CobDivisao);
        QTest::keyClick(janela->CobDivisao, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), janela->ImgCartao);
    }

    void Teclar(const std::vector<Tecla>& teclas)
    {
        for (const Tecla& tecla : teclas)
            QTest::keyClick(janela->ImgCartao, tecla.Codigo, tecla.Modificadores);
    }

    // A click in the middle of the cell, with the button given.
    void ClicarCelula(int linha, int coluna, Qt::MouseButton botao = Qt::LeftButton)
    {
        const Retangulo celula = RetanguloCelula(linha, coluna);
        QTest::mouseClick(janela->ImgCartao, botao, {}, QPoint(celula.Esquerda + 3, celula.Topo + 3));
    }

    int LinhasPorPagina() const { return janela->ScrollBox1->viewport()->height() / 9; }

    QPoint Cursor() const { return {janela->ImgCartao->ColunaCursor(), janela->ImgCartao->LinhaCursor()}; }
};

// Only Tab brings the focus to the picture (the tab order itself is checked with the window's).
TEST_F(TecladoDesenho, AMousePressLeavesTheFocusWhereItWas)
{
    AbrirComTresGrupos();
    Focar(janela->EdtNome);
    ClicarCelula(1, 1);
    EXPECT_EQ(QApplication::focusWidget(), janela->EdtNome);
}

// Each row: keys that move the cursor from line 1, column 1, where they leave it, then Space or
// Shift+Space there; the same card edited by a click on that cell must come out the same.
TEST_F(TecladoDesenho, EachKeyMovesTheCursorAndSpaceActsAsAClickOnItsCell)
{
    const Tecla direita{Qt::Key_Right}, esquerda{Qt::Key_Left}, cima{Qt::Key_Up}, baixo{Qt::Key_Down},
        inicio{Qt::Key_Home}, fim{Qt::Key_End}, pgUp{Qt::Key_PageUp}, pgDn{Qt::Key_PageDown};
    const int p = 1 + 543 / 9;  // one page down from line 1: the scroll box shows 543 pixel rows
    struct Caso {
        const char* Nome;
        std::vector<Tecla> Teclas;
        int Linha, Coluna;
        bool Direito = false;
    };
    const std::vector<Caso> casos = {
        {"Right", {direita}, 1, 2},
        {"Right at column 12", {fim, direita}, 1, 12},
        {"Left", {direita, direita, esquerda}, 1, 2},
        {"Left at column 1", {esquerda}, 1, 1},
        {"Down", {baixo, baixo}, 3, 1},
        {"Down into the disabled group", std::vector<Tecla>(35, baixo), 36, 1},
        {"Down at the last line", {pgDn, pgDn, baixo}, 90, 1},
        {"Up", {baixo, baixo, cima}, 2, 1},
        {"Up at line 1", {cima}, 1, 1},
        {"End", {direita, fim}, 1, 12},
        {"Home", {fim, inicio}, 1, 1},
        {"Page Down", {pgDn}, p, 1},
        {"Page Down at the last line", {pgDn, pgDn, pgDn}, 90, 1},
        {"Page Up", {pgDn, pgDn, pgUp}, 90 - (p - 1), 1},
        {"Page Up at the top", {baixo, pgUp}, 1, 1},
        {"Shift+Space", {direita, direita, baixo}, 2, 3, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        AbrirComTresGrupos();
        ASSERT_EQ(LinhasPorPagina(), p - 1);
        Clicar(janela->BitMascara);
        FocarDesenho();
        Teclar(caso.Teclas);
        EXPECT_EQ(Cursor(), QPoint(caso.Coluna, caso.Linha));
        Teclar({caso.Direito ? ShiftEspaco : Espaco});
        const TCartao porTeclado = janela->Cartao;
        const QImage figuraPorTeclado = janela->ImagemCartao();
        const bool salvoPorTeclado = Salvo();

        AbrirComTresGrupos();
        Clicar(janela->BitMascara);
        ClicarCelula(caso.Linha, caso.Coluna, caso.Direito ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(porTeclado, janela->Cartao);
        EXPECT_EQ(figuraPorTeclado, janela->ImagemCartao());
        EXPECT_EQ(salvoPorTeclado, Salvo());
    }
}

// What the table above leaves out: outside the mask mode Space does what a click does there,
// nothing; a held Space toggles once, as a held mouse button does.
TEST_F(TecladoDesenho, SpaceDoesNothingOutsideTheModeAndTogglesOnceWhenHeld)
{
    AbrirComTresGrupos();
    FocarDesenho();
    const TCartao antes = janela->Cartao;
    Teclar({Espaco, ShiftEspaco});
    EXPECT_EQ(janela->Cartao, antes);
    EXPECT_TRUE(Salvo());

    Clicar(janela->BitMascara);
    FocarDesenho();
    ASSERT_EQ(Celula(1, 1), Mascarado);  // the item number of type 4
    Teclar({Espaco});
    QKeyEvent repetido(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(janela->ImgCartao, &repetido);
    EXPECT_EQ(Celula(1, 1), Lido);
}

TEST_F(TecladoDesenho, TheScrollBoxFollowsTheCursor)
{
    AbrirComTresGrupos();
    FocarDesenho();
    const QScrollBar* barra = janela->ScrollBox1->verticalScrollBar();
    const auto celulaVisivel = [&] {
        const Retangulo celula = RetanguloCelula(janela->ImgCartao->LinhaCursor(), 1);
        return celula.Topo - 1 >= barra->value() &&
               celula.Base + 1 <= barra->value() + janela->ScrollBox1->viewport()->height();
    };
    for (const Qt::Key tecla : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageUp}) {
        Teclar({Tecla{tecla}});
        EXPECT_TRUE(celulaVisivel()) << "line " << janela->ImgCartao->LinhaCursor();
    }
    Teclar({Tecla{Qt::Key_PageDown}, Tecla{Qt::Key_PageDown}});
    EXPECT_GT(barra->value(), 0);
    const int rolagem = barra->value();
    QTest::keyClick(janela->ImgCartao, Qt::Key_Tab);
    EXPECT_EQ(barra->value(), rolagem) << "leaving the picture keeps its scroll position";
}

TEST_F(TecladoDesenho, TheCursorStaysOnTheCardWhenItsLinesShrink)
{
    AbrirComTresGrupos();
    FocarDesenho();
    Teclar({Tecla{Qt::Key_PageDown}, Tecla{Qt::Key_PageDown}, Tecla{Qt::Key_End}});
    ASSERT_EQ(Cursor(), QPoint(12, 90));
    SetaParaBaixo(janela->SpeMaxGrupo);  // the third group goes: 60 lines
    ASSERT_EQ(janela->Cartao.NumLinhas, 60);
    EXPECT_EQ(Cursor(), QPoint(12, 60));
    EXPECT_EQ(janela->ImgCartao->DescricaoCursor(), "Linha 60, coluna 12, grupo 2: ignorada");
}

// The cursor is drawn over the picture only while it has the focus: a blue ring in the gaps
// around the cell. Nothing else changes, then or after, but the focus frame of the button the
// focus comes from.
TEST_F(TecladoDesenho, OnlyTheCursorRingChangesTheWindowAndOnlyWhileThePictureHasTheFocus)
{
    AbrirComTresGrupos();
    // By the keyboard, as later on: buttons show their focus frame after a Tab.
    Focar(janela->BitAjuda);
    QTest::keyClick(janela->BitAjuda, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), janela->BitMascara);
    const QImage imagemAntes = janela->ImagemCartao();
    const QImage antes = janela->grab().toImage();

    QTest::keyClick(janela->BitMascara, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), janela->ImgCartao);
    Teclar({Tecla{Qt::Key_Down}, Tecla{Qt::Key_Right}});
    const QImage focado = janela->grab().toImage();
    ASSERT_EQ(focado.size(), antes.size());
    // The cell of line 2, column 2 lies at x 55..66, y 20..27 of the picture.
    const QPoint origem = janela->ImgCartao->mapTo(janela.get(), QPoint(0, 0));
    const QRect anel(origem + QPoint(53, 19), origem + QPoint(68, 28));
    const QRect dentro(origem + QPoint(55, 20), origem + QPoint(66, 27));
    const QRect botao(janela->BitMascara->mapTo(janela.get(), QPoint(0, 0)), janela->BitMascara->size());
    int azuis = 0, outros = 0;
    for (int y = 0; y < antes.height(); ++y)
        for (int x = 0; x < antes.width(); ++x) {
            if (anel.contains(x, y) && !dentro.contains(x, y))
                azuis += (focado.pixel(x, y) & 0xFFFFFF) == 0x0000FFu;
            else if (!botao.contains(x, y) && focado.pixel(x, y) != antes.pixel(x, y))
                ++outros;
        }
    EXPECT_EQ(azuis, 16 * 10 - 12 * 8);
    EXPECT_EQ(outros, 0);

    QTest::keyClick(janela->ImgCartao, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), janela->BitMascara);
    EXPECT_TRUE(janela->grab().toImage() == antes);
    EXPECT_TRUE(janela->ImagemCartao() == imagemAntes) << "the card's own picture never carries the cursor";
}

}  // namespace
