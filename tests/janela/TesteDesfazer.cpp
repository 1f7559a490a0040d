// Undo and redo of editing actions, driven through the controls and the keys.

#include "JanelaTeste.h"
#include "Sorteio.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QAbstractItemView>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// What the operator sees of the card: the model, the group shown and the picture's digest.
struct Tela {
    TCartao Cartao;
    int Grupo = 0;
    bool ModoMascara = false;
    QByteArray Imagem;
    bool operator==(const Tela&) const = default;
};

class Desfazer : public JanelaTeste {
protected:
    void SetUp() override { AbrirJanela(); }

    Tela Agora() const
    {
        // Compared as colours: an indexed picture may number the same colours differently.
        const QImage imagem = janela->ImagemCartao().convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char*>(imagem.constBits()), imagem.sizeInBytes());
        return {janela->Cartao, janela->SpeNumGrupo->Value(), janela->ModoMascara,
                QCryptographicHash::hash(pixels, QCryptographicHash::Sha1)};
    }

    void Tecla(QKeyCombination tecla)
    {
        // The window's keys act only while it is the active window, as on a desktop.
        if (!janela->isActiveWindow()) {
            QApplication::setActiveWindow(janela.get());
            QTRY_VERIFY(janela->isActiveWindow());
        }
        QWidget* foco = janela->focusWidget() ? janela->focusWidget() : janela.get();
        QTest::keyClick(foco, tecla.key(), tecla.keyboardModifiers());
    }
    void CtrlZ() { Tecla(Qt::CTRL | Qt::Key_Z); }
    void CtrlY() { Tecla(Qt::CTRL | Qt::Key_Y); }
    void CtrlShiftZ() { Tecla(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); }

    // One pick in the open list: one action, where each arrow key in the closed list is one.
    void EscolherNaLista(TComboBox* lista, int indice)
    {
        lista->showPopup();
        QAbstractItemView* itens = lista->view();
        itens->setCurrentIndex(lista->model()->index(indice, 0));
        QTest::keyClick(itens, Qt::Key_Return);
        QTRY_VERIFY(!itens->window()->isVisible());
    }

    void Pressionar(int linha, int coluna)
    {
        QTest::mouseClick(janela->ImgCartao, Qt::LeftButton, {}, QPoint(25 + 15 * coluna + 5, 9 * linha + 5));
    }

    // Three groups (lines 1-3, 4-8, 9-10), the second a registration field, shown on group 2.
    void MontarCartao()
    {
        SetaParaCima(janela->SpeLinhaFinal, 2);
        SetaParaCima(janela->SpeMaxGrupo);
        SetaParaCima(janela->SpeNumGrupo);
        SetaParaCima(janela->SpeLinhaFinal, 4);
        Escolher(janela->CobDivisao, 1);
        SetaParaCima(janela->SpeMaxGrupo);
        SetaParaCima(janela->SpeNumGrupo);
        SetaParaCima(janela->SpeLinhaFinal);
        SetaParaBaixo(janela->SpeNumGrupo);
        ASSERT_EQ(janela->Cartao.NumGrupos, 3);
        ASSERT_EQ(janela->Cartao.Grupos[2].Tipo, 1);
    }
};

class CadaAcao;

// An editing action, after what it needs on screen (the selection switched on, say), which is no step.
struct Acao {
    const char* Nome;
    std::function<void(CadaAcao&)> Preparar;
    std::function<void(CadaAcao&)> Fazer;
};

class CadaAcao : public Desfazer, public ::testing::WithParamInterface<Acao> {
public:
    using Desfazer::Clicar;
    using Desfazer::Digitar;
    using Desfazer::EscolherNaLista;
    using Desfazer::Focar;
    using Desfazer::Pressionar;
    using Desfazer::SetaParaBaixo;
    using Desfazer::SetaParaCima;
    TFrmConfig& J() { return *janela; }
};

TEST_P(CadaAcao, IsOneStepThatUndoAndRedoTakeBackAndForthWhole)
{
    MontarCartao();
    if (GetParam().Preparar)
        GetParam().Preparar(*this);
    const std::size_t passos = janela->HistoricoDeEdicao().PassosParaDesfazer();
    const Tela antes = Agora();

    GetParam().Fazer(*this);
    const Tela depois = Agora();
    ASSERT_NE(depois.Cartao, antes.Cartao) << "the action must change the card";
    EXPECT_EQ(janela->HistoricoDeEdicao().PassosParaDesfazer(), passos + 1);

    CtrlZ();
    EXPECT_TRUE(Agora() == antes);
    CtrlY();
    EXPECT_TRUE(Agora() == depois);
    CtrlZ();
    CtrlShiftZ();
    EXPECT_TRUE(Agora() == depois);
    EXPECT_FALSE(Salvo());
}

void LigarSelecao(CadaAcao& t)
{
    t.Clicar(t.J().BitMascara);
}

// Line 4, column 2 is the item number of the registration group: a label cell.
void LigarSelecaoEApagarRotulo(CadaAcao& t)
{
    LigarSelecao(t);
    t.Pressionar(4, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Janela, CadaAcao,
    ::testing::Values(
        Acao{"SerialPort", {}, [](CadaAcao& t) { t.EscolherNaLista(t.J().CBSerial, 3); }},
        Acao{"ReadingMode", {}, [](CadaAcao& t) { t.Clicar(t.J().RdgLeitura->Botao(0)); }},
        Acao{"GroupCountUp", {}, [](CadaAcao& t) { t.SetaParaCima(t.J().SpeMaxGrupo); }},
        Acao{"GroupCountDown", {}, [](CadaAcao& t) { t.SetaParaBaixo(t.J().SpeMaxGrupo); }},
        Acao{"LastLine", {}, [](CadaAcao& t) { t.SetaParaCima(t.J().SpeLinhaFinal); }},
        Acao{"GroupType", {}, [](CadaAcao& t) { t.EscolherNaLista(t.J().CobDivisao, 4); }},
        Acao{"Name", {},
             [](CadaAcao& t) {
                 t.Digitar(t.J().EdtNome, QStringLiteral("Inscrição"));
                 t.Focar(t.J().SpeLinhaFinal);
             }},
        Acao{"Disable", {}, [](CadaAcao& t) { t.Clicar(t.J().RdgHabilitado->Botao(1)); }},
        Acao{"CheckDigit", {}, [](CadaAcao& t) { t.EscolherNaLista(t.J().Cobdigito, 2); }},
        Acao{"MaskToggle", LigarSelecao, [](CadaAcao& t) { t.Pressionar(5, 6); }},
        // Undo must bring back the blank that the toggled label left on the picture.
        Acao{"MaskToggleAfterLabelCleared", LigarSelecaoEApagarRotulo, [](CadaAcao& t) { t.Pressionar(5, 6); }},
        Acao{"MaskSelectionEnded", LigarSelecaoEApagarRotulo, [](CadaAcao& t) { t.Clicar(t.J().BitMascara); }}),
    [](const auto& info) { return std::string(info.param.Nome); });

TEST_F(Desfazer, UndoBackToTheSavedBytesClearsTheUnsavedMarkAndSaveKeepsTheHistory)
{
    SetaParaCima(janela->SpeLinhaFinal, 2);
    dialogos->ArquivosParaSalvar.push_back(Caminho("Config/a.cfg"));
    Clicar(janela->BitSalvar);
    ASSERT_TRUE(Salvo());

    EscolherNaLista(janela->CobDivisao, 3);
    ASSERT_FALSE(Salvo());
    CtrlZ();
    EXPECT_TRUE(Salvo()) << "the card is again what was written";
    CtrlZ();
    EXPECT_FALSE(Salvo()) << "history from before the save is kept, and differs from the file";
    EXPECT_EQ(janela->Cartao.Grupos[1].LinhaFinal, 2);
    CtrlY();
    EXPECT_TRUE(Salvo());
    CtrlY();
    EXPECT_FALSE(Salvo());
}

TEST_F(Desfazer, NewAndOpenStartAFreshHistory)
{
    SetaParaCima(janela->SpeLinhaFinal, 2);
    dialogos->Respostas.push_back(false);
    Clicar(janela->BitNovo);
    EXPECT_EQ(janela->HistoricoDeEdicao().PassosParaDesfazer(), 0u);
    CtrlZ();
    EXPECT_EQ(janela->Cartao.Grupos[1].LinhaFinal, 1);

    SetaParaCima(janela->SpeLinhaFinal, 4);
    dialogos->ArquivosParaSalvar.push_back(Caminho("Config/b.cfg"));
    Clicar(janela->BitSalvar);
    SetaParaCima(janela->SpeMaxGrupo);
    dialogos->Respostas.push_back(false);
    dialogos->ArquivosParaAbrir.push_back(Caminho("Config/b.cfg"));
    Clicar(janela->BitAbrir);
    EXPECT_EQ(janela->HistoricoDeEdicao().PassosParaDesfazer(), 0u);
    EXPECT_EQ(janela->HistoricoDeEdicao().PassosParaRefazer(), 0u);
}

TEST_F(Desfazer, UndoWhileTypingANameTakesTheTypingBack)
{
    Digitar(janela->EdtNome, QStringLiteral("Questões"));
    CtrlZ();
    EXPECT_EQ(janela->EdtNome->text(), QString());
    EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "");
    EXPECT_TRUE(Salvo());
    CtrlY();
    EXPECT_EQ(janela->EdtNome->text(), QStringLiteral("Questões"));
}

// Random actions with random undo and redo, against a plain list of what the screen showed.
TEST_F(Desfazer, RandomActionsUndoAndRedoFollowAListOfSnapshots)
{
    Sorteio sorteio(20261210, 400);
    SCOPED_TRACE(sorteio.Reproduzir());

    std::vector<Tela> telas{Agora()};
    std::size_t atual = 0;
    for (int passo = 0; passo < sorteio.Passos; ++passo) {
        SCOPED_TRACE("step " + std::to_string(passo));
        const int sorte = sorteio(0, 12);
        if (sorte <= 2) {
            CtrlZ();
            atual = atual > 0 ? atual - 1 : 0;
        } else if (sorte <= 4) {
            sorte == 3 ? CtrlY() : CtrlShiftZ();
            atual = std::min(atual + 1, telas.size() - 1);
        } else {
            const TCartao antes = janela->Cartao;
            switch (sorte) {
            case 5: SetaParaCima(janela->SpeMaxGrupo); break;
            case 6: SetaParaBaixo(janela->SpeMaxGrupo); break;
            case 7: sorteio(0, 1) ? SetaParaCima(janela->SpeLinhaFinal) : SetaParaBaixo(janela->SpeLinhaFinal); break;
            case 8: EscolherNaLista(janela->CobDivisao, sorteio(0, 10)); break;
            case 9: Clicar(janela->RdgHabilitado->Botao(sorteio(0, 1))); break;
            case 10:
                if (!janela->ModoMascara) {
                    Clicar(janela->BitMascara);
                    telas[atual] = Agora();
                }
                Pressionar(sorteio(1, janela->Cartao.NumLinhas), sorteio(1, 12));
                break;
            case 11:
                if (janela->SpeNumGrupo->isEnabled())
                    sorteio(0, 1) ? SetaParaCima(janela->SpeNumGrupo) : SetaParaBaixo(janela->SpeNumGrupo);
                break;
            default: EscolherNaLista(janela->CBSerial, sorteio(0, 8)); break;
            }
            if (janela->Cartao != antes) {
                telas.resize(atual + 1);
                telas.push_back(Agora());
                atual = telas.size() - 1;
            } else {
                // Not a step: what the list holds for now is what the screen shows now.
                telas[atual] = Agora();
            }
        }
        ASSERT_TRUE(Agora() == telas[atual]);
    }
}

}  // namespace
