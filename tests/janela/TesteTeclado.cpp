// The keyboard in the window: Tab into the radio groups, Save enabled while a name is typed, and
// the desktop shortcuts of the buttons.

#include "JanelaTeste.h"

#include "TBitBtn.h"
#include "TEdit.h"
#include "TRadioGroup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>

namespace {

class Teclado : public JanelaTeste {};

// Also when an item was focused without being chosen, which makes Qt keep that item as the stop.
TEST_F(Teclado, TabEntersBothRadioGroupsOnTheirCheckedItem)
{
    AbrirJanela();
    // The controls before them in the tab order (the check-digit list is disabled).
    janela->BitSalvar->setEnabled(true);
    for (auto [grupo, antes] : {std::pair<TRadioGroup*, QWidget*>{janela->RdgLeitura, janela->BitSalvar},
                                {janela->RdgHabilitado, janela->EdtNome}})
        for (auto [item, focado] : {std::pair{1, -1}, {0, -1}, {1, 0}}) {
            grupo->SetItemIndex(item);
            Focar(antes);
            if (focado >= 0) {
                Focar(grupo->Botao(focado));
                Focar(antes);
            }
            QTest::keyClick(antes, Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), grupo->Botao(item)) << grupo->title().toStdString() << item;
        }
}

TEST_F(Teclado, TypingANameThatDiffersFromTheStoredOneEnablesSaveAtOnce)
{
    AbrirJanela();
    Digitar(janela->EdtNome, "R");
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "") << "stored on leaving, not per key";
    dialogos->ArquivosParaSalvar.push_back(Caminho("r.cfg"));
    QTest::keyClick(janela->EdtNome, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(Salvo());

    Focar(janela->EdtNome);
    janela->EdtNome->selectAll();
    QKeyEvent mesmoNome(QEvent::KeyPress, 0, Qt::NoModifier, "R");  // typed over itself
    QApplication::sendEvent(janela->EdtNome, &mesmoNome);
    EXPECT_TRUE(Salvo());
    Digitar(janela->EdtNome, "u");
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "R");
}

// A shortcut does what a click on its button does, the name being typed stored first;
// with the button disabled it does nothing at all.
TEST_F(Teclado, ShortcutsActLikeAClickOnTheirButtonOnlyWhileItIsEnabled)
{
    const std::pair<QKeySequence, TBitBtn* TFrmConfig::*> atalhos[] = {
        {Qt::CTRL | Qt::Key_N, &TFrmConfig::BitNovo},   {Qt::CTRL | Qt::Key_O, &TFrmConfig::BitAbrir},
        {Qt::CTRL | Qt::Key_S, &TFrmConfig::BitSalvar}, {Qt::CTRL | Qt::Key_Q, &TFrmConfig::BitFechar},
        {Qt::Key_F1, &TFrmConfig::BitAjuda}};
    for (const auto& [tecla, membro] : atalhos)
        for (const bool habilitado : {true, false}) {
            AbrirJanela();
            dialogos->Respostas = {false};
            dialogos->ArquivosParaAbrir = dialogos->ArquivosParaSalvar = {DialogosRoteirizados::Cancelar};
            TBitBtn* botao = (*janela).*membro;
            Digitar(janela->EdtNome, "Rui");
            botao->setEnabled(habilitado);
            QStringList ordem;
            QObject ouvinte;  // after ordem: disconnects first
            QObject::connect(janela->EdtNome, &TEdit::Exit, &ouvinte, [&] { ordem << "exit"; });
            QObject::connect(botao, &QPushButton::clicked, &ouvinte, [&] { ordem << "click"; });

            QTest::keySequence(QApplication::focusWidget(), tecla);
            EXPECT_EQ(ordem, habilitado ? QStringList({"exit", "click"}) : QStringList())
                << tecla.toString().toStdString() << habilitado;
        }
}

}  // namespace
