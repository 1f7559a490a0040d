#include "JanelaDeTeste.h"
#include "TBitBtn.h"
#include "TEdit.h"

#include <QIcon>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts the focus-outs a widget receives, so a test knows the path it meant to take was taken.
class SaidasDeFoco : public QObject {
public:
    int vezes = 0;
    Qt::FocusReason ultimoMotivo = Qt::OtherFocusReason;

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::FocusOut) {
            ++vezes;
            ultimoMotivo = static_cast<QFocusEvent*>(evento)->reason();
        }
        return false;
    }
};

// An edit box that has the focus, a button after it, and a log of Exit and clicked.
class FocoNaJanela : public ::testing::Test {
protected:
    JanelaDeTeste t;
    TEdit* edit = new TEdit(&t.janela);
    TBitBtn* salvar = new TBitBtn("&Salvar...", QIcon(), &t.janela);
    TBitBtn* fechar = new TBitBtn("&Fechar", QIcon(), &t.janela);

    void SetUp() override
    {
        edit->setGeometry(10, 10, 150, 24);
        salvar->setGeometry(10, 50, 90, 33);
        fechar->setGeometry(110, 50, 90, 33);
        ASSERT_TRUE(t.Mostrar());
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());

        QObject::connect(edit, &TEdit::Exit, [this] { t.Anotar("exit"); });
        QObject::connect(salvar, &QPushButton::clicked, [this] {
            t.Anotar(salvar->hasFocus() ? "salvar com foco" : "salvar sem foco");
        });
    }
};

}  // namespace

// Event model: a mouse press moves the focus first, so the name is stored before the command.
TEST_F(FocoNaJanela, CliqueNoBotaoTiraOFocoDaCaixaAntes)
{
    QTest::mouseClick(salvar, Qt::LeftButton);
    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit", "salvar com foco"}));
}

// The accelerator does the same, at once rather than after Qt's 100 ms animation.
TEST_F(FocoNaJanela, AtalhoDoBotaoTiraOFocoDaCaixaEAgeNaHora)
{
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit", "salvar com foco"}));

    QTest::qWait(250);  // no late second click from an animation
    EXPECT_EQ(t.eventos.size(), 2u);
}

TEST_F(FocoNaJanela, AtalhoDeBotaoDesabilitadoNaoFazNada)
{
    salvar->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(t.eventos.empty());
    EXPECT_TRUE(edit->hasFocus());
}

// A letter shared by two buttons keeps Qt's rule: the focus moves, nothing is clicked.
TEST_F(FocoNaJanela, AtalhoRepetidoSoMoveOFoco)
{
    auto* sair = new TBitBtn("&Sair", QIcon(), &t.janela);
    sair->setGeometry(210, 50, 90, 33);
    sair->show();
    QObject::connect(sair, &QPushButton::clicked, [this] { t.Anotar("sair"); });

    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);

    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit"}));
    EXPECT_TRUE(salvar->hasFocus() || sair->hasFocus());
}

TEST_F(FocoNaJanela, TabSaiDaCaixa)
{
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit"}));
    EXPECT_TRUE(salvar->hasFocus());
}

// Losing activation is no exit: the focus comes back to the box. Moving on later is one.
TEST_F(FocoNaJanela, JanelaInativaNaoESaida)
{
    QWidget outra;
    outra.show();
    SaidasDeFoco saidas;
    edit->installEventFilter(&saidas);
    QApplication::setActiveWindow(&outra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&outra));
    EXPECT_EQ(saidas.vezes, 1);
    EXPECT_EQ(saidas.ultimoMotivo, Qt::ActiveWindowFocusReason);
    QApplication::setActiveWindow(&t.janela);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.janela));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(t.eventos.empty());

    QTest::mouseClick(fechar, Qt::LeftButton);
    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit"}));
}

TEST_F(FocoNaJanela, MenuAbertoNaoESaida)
{
    SaidasDeFoco saidas;
    edit->installEventFilter(&saidas);
    QMenu menu;
    menu.addAction("Copiar");
    menu.popup(edit->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.close();
    QTest::qWait(20);

    EXPECT_EQ(saidas.vezes, 1);
    EXPECT_EQ(saidas.ultimoMotivo, Qt::PopupFocusReason);
    EXPECT_TRUE(t.eventos.empty());
}

// Event model: disabling the box moves Qt's focus away but raises nothing;
// nor does text written from code.
TEST_F(FocoNaJanela, DesabilitarOuEscreverNaoESaida)
{
    edit->setText("Nome");
    edit->setEnabled(false);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_TRUE(t.eventos.empty());
}
