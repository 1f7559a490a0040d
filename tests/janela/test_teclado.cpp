// The keyboard in the window: Tab into the radio groups, the name box marking the card unsaved
// while typing, and the desktop shortcuts of the buttons.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TRadioGroup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>

namespace {

class Teclado : public JanelaTeste {};

TEST_F(Teclado, TabEntersBothRadioGroupsOnTheirCheckedItem)
{
    AbrirJanela();
    struct Caso {
        TRadioGroup* grupo;
        QWidget* antes;
    };
    for (const Caso caso : {Caso{janela->RdgLeitura, janela->BitSalvar}, Caso{janela->RdgHabilitado, janela->EdtNome}}) {
        for (int item : {1, 0}) {
            caso.grupo->SetItemIndex(item);
            caso.antes->setEnabled(true);
            Focar(caso.antes);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), caso.grupo->Botao(item))
                << caso.grupo->title().toStdString() << " item " << item;
        }
    }
}

TEST_F(Teclado, TypingANewNameEnablesSaveAtOnceAndLeavingStoresIt)
{
    Escrever("Config/nomeado.cfg", [] {
        TCartao cartao;
        IniciarPadroes(cartao);
        DefinirCartaoPrimeiraVez(cartao);
        cartao.Grupos[1].Nome = "Ana";
        return ConteudoArquivoCfg(cartao);
    }());
    Escrever("Cfg.inf", Caminho("Config/nomeado.cfg").toStdString());
    AbrirJanela();
    ASSERT_EQ(janela->EdtNome->text(), "Ana");
    ASSERT_TRUE(Salvo());

    // Putting the stored name over itself (one key event with the whole text) changes nothing.
    Focar(janela->EdtNome);
    janela->EdtNome->selectAll();
    QKeyEvent mesmoNome(QEvent::KeyPress, 0, Qt::NoModifier, "Ana");
    QApplication::sendEvent(janela->EdtNome, &mesmoNome);
    ASSERT_EQ(janela->EdtNome->text(), "Ana");
    EXPECT_TRUE(Salvo());

    Digitar(janela->EdtNome, "s");
    EXPECT_FALSE(Salvo()) << "Save is enabled while the box still has the focus";
    EXPECT_TRUE(janela->EdtNome->hasFocus());
    EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "Ana") << "the name is stored on leaving, not per key";

    dialogos->ArquivosParaSalvar.push_back(Caminho("novo.cfg"));
    QTest::keyClick(janela->EdtNome, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "Anas");
    EXPECT_NE(Bytes("novo.cfg").find("\r\nAnas\r\n"), std::string::npos);
    EXPECT_TRUE(Salvo());
}

// Each shortcut does what a click on its button does: the button takes the focus (the name
// being typed is stored first) and clicks; with the button disabled, nothing happens at all.
TEST_F(Teclado, ShortcutsActLikeAClickOnTheirEnabledButtonOnly)
{
    struct Caso {
        QKeySequence tecla;
        TBitBtn* TFrmConfig::*botao;
        std::deque<bool> respostas;  // to "save first?": No
        std::deque<QString> arquivosAbrir, arquivosSalvar;
        QString primeiroPedido;
    };
    const QString cancelar = DialogosRoteirizados::Cancelar;
    const std::vector<Caso> casos = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), &TFrmConfig::BitNovo, {false}, {}, {}, "pergunta"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), &TFrmConfig::BitAbrir, {false}, {cancelar}, {}, "pergunta"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &TFrmConfig::BitSalvar, {}, {}, {cancelar}, "salvar"},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &TFrmConfig::BitFechar, {false}, {}, {}, "pergunta"},
        {QKeySequence(Qt::Key_F1), &TFrmConfig::BitAjuda, {}, {}, {}, "ajuda"},
    };
    for (const Caso& caso : casos) {
        for (const bool habilitado : {true, false}) {
            const std::string rotulo = caso.tecla.toString().toStdString() + (habilitado ? " enabled" : " disabled");
            AbrirJanela();
            TBitBtn* botao = (*janela).*caso.botao;
            Digitar(janela->EdtNome, "Rui");
            ASSERT_FALSE(Salvo());
            botao->setEnabled(habilitado);
            if (habilitado) {
                dialogos->Respostas = caso.respostas;
                dialogos->ArquivosParaAbrir = caso.arquivosAbrir;
                dialogos->ArquivosParaSalvar = caso.arquivosSalvar;
            }
            QStringList ordem;
            QObject ouvinte;  // declared after ordem: disconnects before ordem goes
            QObject::connect(janela->EdtNome, &TEdit::Exit, &ouvinte, [&] { ordem << "exit"; });
            QObject::connect(botao, &QPushButton::clicked, &ouvinte, [&] { ordem << "click"; });

            QTest::keySequence(QApplication::focusWidget(), caso.tecla);

            if (habilitado) {
                EXPECT_EQ(ordem, (QStringList{"exit", "click"})) << rotulo;
                ASSERT_FALSE(dialogos->Registro.isEmpty()) << rotulo;
                EXPECT_TRUE(dialogos->Registro.first().startsWith(caso.primeiroPedido)) << rotulo;
            } else {
                EXPECT_TRUE(ordem.isEmpty()) << rotulo;
                EXPECT_TRUE(dialogos->Registro.isEmpty()) << rotulo;
                EXPECT_TRUE(janela->EdtNome->hasFocus()) << rotulo;
                EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "") << rotulo;
            }
        }
    }
}

}  // namespace
