// The Qt question box, which only Sim or Não closes, and the texts of errors that stop a command.

#include "CaixaSimNao.h"
#include "ErroCartao.h"
#include "MensagemErro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <new>

namespace {

TEST(CaixaSimNao, EscapeAndCloseRequestsLeaveItOpenUntilSimOrNao)
{
    struct Caso {
        const char* como;
        std::function<void(CaixaSimNao&)> responder;
        bool sim;
    };
    const auto tecla = [](Qt::Key k, Qt::KeyboardModifiers m) {
        return [k, m](CaixaSimNao&) { QTest::keyClick(QApplication::focusWidget(), k, m); };
    };
    const Caso casos[] = {
        {"mouse on Sim", [](CaixaSimNao& c) { QTest::mouseClick(c.BotaoSim(), Qt::LeftButton); }, true},
        {"mouse on Não", [](CaixaSimNao& c) { QTest::mouseClick(c.BotaoNao(), Qt::LeftButton); }, false},
        {"Enter on the default Sim", tecla(Qt::Key_Return, Qt::NoModifier), true},
        {"Enter on a focused Não",
         [](CaixaSimNao& c) {
             c.BotaoNao()->setFocus();
             QTest::keyClick(c.BotaoNao(), Qt::Key_Return);
         },
         false},
        {"Alt+S", tecla(Qt::Key_S, Qt::AltModifier), true},
        {"Alt+N", tecla(Qt::Key_N, Qt::AltModifier), false},
    };
    for (const Caso& caso : casos) {
        CaixaSimNao caixa("O arquivo não foi salvo. Salvar antes de sair?");
        EXPECT_EQ(caixa.windowTitle(), "Erro!");
        caixa.open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&caixa));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCloseEvent fechar;  // the title-bar close and Alt+F4
        QApplication::sendEvent(&caixa, &fechar);
        EXPECT_FALSE(fechar.isAccepted()) << caso.como;
        EXPECT_FALSE(caixa.close()) << caso.como;
        EXPECT_TRUE(caixa.isVisible()) << caso.como;
        EXPECT_EQ(caixa.clickedButton(), nullptr) << caso.como;

        caso.responder(caixa);
        // Qt clicks a button reached by its accelerator a moment later.
        QTRY_VERIFY2(!caixa.isVisible(), caso.como);
        EXPECT_EQ(caixa.RespondeuSim(), caso.sim) << caso.como;
    }
}

TEST(MensagemDoErro, TheCardFilesReasonStandsAndTheLibrarysOwnIsPortuguese)
{
    EXPECT_EQ(MensagemDoErro(ErroCartao("Não foi possível gravar \"/x/a.cfg\": permissão negada")),
              "Não foi possível gravar \"/x/a.cfg\": permissão negada");
    EXPECT_EQ(MensagemDoErro(std::bad_alloc()), "Não há memória suficiente para concluir a operação.");
}

}  // namespace
