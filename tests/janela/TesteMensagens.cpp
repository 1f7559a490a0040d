// The Qt question box, which only Sim or Não closes and at once, and the texts of errors that stop a command.

#include "CaixaSimNao.h"
#include "MensagemErro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <new>

namespace {

TEST(CaixaSimNao, EscapeAndCloseRequestsLeaveItOpenUntilSimOrNao)
{
    struct Caso {
        const char* como;
        void (*responder)(CaixaSimNao&);
        bool sim;
    } const casos[] = {
        {"mouse on Não", [](CaixaSimNao& c) { QTest::mouseClick(c.BotaoNao(), Qt::LeftButton); }, false},
        {"Enter on the default Sim", [](CaixaSimNao&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, true},
        {"Alt+N", [](CaixaSimNao&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier); }, false},
        {"Alt+S", [](CaixaSimNao&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier); }, true},
    };
    for (const Caso& caso : casos) {
        CaixaSimNao caixa("O arquivo não foi salvo. Salvar antes de sair?");
        caixa.open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&caixa));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCloseEvent fechar;  // the title-bar close and Alt+F4
        QApplication::sendEvent(&caixa, &fechar);
        EXPECT_FALSE(fechar.isAccepted()) << caso.como;
        EXPECT_TRUE(caixa.isVisible()) << caso.como;

        caso.responder(caixa);
        EXPECT_FALSE(caixa.isVisible()) << caso.como << ": the box is gone with the key, not a moment later";
        EXPECT_EQ(caixa.RespondeuSim(), caso.sim) << caso.como;
    }
}

TEST(MensagemDoErro, TheLibrarysOwnTextIsPortuguese)
{
    EXPECT_EQ(MensagemDoErro(std::bad_alloc()), "Não há memória suficiente para concluir a operação.");
    EXPECT_EQ(MensagemDoErro(std::runtime_error("Não foi possível gravar")), "Não foi possível gravar");
}

}  // namespace
