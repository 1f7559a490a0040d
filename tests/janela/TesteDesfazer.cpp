// Undo and redo of editing actions, driven through the controls and the keys.

#include "JanelaTeste.h"
#include "Sorteio.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "ArquivoCfg.h"
#include "DesenhoCartao.h"
#include "Geometria.h"
#include "SuperficieImagem.h"

#include <QAbstractItemView>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QPixmapCache>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <functional>
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

// The soak: random operator actions of every kind — editing, the picture's keys, undo and redo,
// the file commands with their questions and failures, the close question and crashes — against
// a plain list of the screens that undo and redo walk. After every action the picture is a fresh
// redraw of the card; every few dozen actions undo all the way and redo all the way give the first
// and the last screen, and a Save and a re-Open give the same bytes and picture. CI walks 400
// actions; ORTELO_PASSOS and ORTELO_SEMENTE give more and another path.
class Maratona : public Desfazer {
protected:
    void SetUp() override
    {
        Desfazer::SetUp();
        Escrever(QStringLiteral("Config/ruim.cfg"), "1\r\nB\r\nnoventa\r\n");
        NovaHistoria();
    }

    // A file command, a re-Open or a new window: the history starts again from this screen.
    void NovaHistoria()
    {
        telas = {Agora()};
        atual = 0;
    }

    // An editing action changed the card: one more step, the oldest going past the history's limit.
    void Passo()
    {
        telas.resize(atual + 1);
        telas.push_back(Agora());
        if (telas.size() > Historico::Limite + 1)
            telas.erase(telas.begin());
        atual = telas.size() - 1;
    }

    void PercorrerHistorico()
    {
        while (janela->HistoricoDeEdicao().PassosParaDesfazer() > 0)
            janela->Desfazer();
        ASSERT_TRUE(Agora() == telas.front()) << "undo all the way";
        while (janela->HistoricoDeEdicao().PassosParaRefazer() > 0)
            janela->Refazer();
        ASSERT_TRUE(Agora() == telas.back()) << "redo all the way";
        atual = telas.size() - 1;
    }

    // Outside the mask selection the picture is exactly a fresh redraw of the card; inside it,
    // a cell of an enabled group is green exactly when it is masked.
    void ConferirDesenho()
    {
        const QImage tela = janela->ImagemCartao().convertToFormat(QImage::Format_RGB32);
        const TCartao& cartao = janela->Cartao;
        if (!janela->ModoMascara) {
            TCartao copia = cartao;
            SuperficieImagem nova;
            DesenharCartao(nova, copia, janela->EdtNumLinha->text().toInt(),
                           DeQRgb(janela->palette().color(QPalette::Button).rgb()));
            ASSERT_TRUE(nova.Imagem().convertToFormat(QImage::Format_RGB32) == tela) << "the picture is no redraw";
            ASSERT_TRUE(copia == cartao) << "a redraw would change the card";
            return;
        }
        for (int g = 1; g <= cartao.NumGrupos; ++g) {
            const TGrupo& grupo = cartao.Grupos[g];
            for (int linha = grupo.LinhaInicial; grupo.Habilitado == 1 && linha <= grupo.LinhaFinal; ++linha)
                for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                    const Retangulo celula = RetanguloCelula(linha, coluna);
                    const bool verde = (tela.pixel(celula.Esquerda + 2, celula.Topo + 2) & 0xFFFFFF) == Verde;
                    ASSERT_EQ(verde, cartao.Mascara[IndiceCelula(linha, coluna)] == Mascarado)
                        << "line " << linha << ", column " << coluna;
                }
        }
    }

    // Save through the dialog, then Open what was saved: the same bytes, card and picture.
    void SalvarEReabrir()
    {
        if (janela->ModoMascara)
            Clicar(janela->BitMascara);
        const QString arquivo = Caminho(QStringLiteral("Config/maratona.cfg"));
        dialogos->ArquivosParaSalvar = {arquivo};
        // A saved card has its button disabled; the command itself still saves it here.
        if (Salvo())
            janela->BitSalvarClick();
        else
            Clicar(janela->BitSalvar);
        ASSERT_TRUE(Salvo());
        const Tela antes = Agora();
        ASSERT_EQ(Bytes(QStringLiteral("Config/maratona.cfg")), ConteudoArquivoCfg(antes.Cartao));
        dialogos->ArquivosParaAbrir = {arquivo};
        Clicar(janela->BitAbrir);
        const Tela depois = Agora();
        ASSERT_TRUE(depois.Cartao == antes.Cartao) << "re-Open read another card";
        ASSERT_EQ(depois.Imagem, antes.Imagem) << "re-Open shows another picture";
        NovaHistoria();
    }

    // New, Open or Save with every answer: No or Yes at the question, a Save that fails or is
    // cancelled, a file that does not read, a dialog cancelled.
    void ComandoDeArquivo(Sorteio& sorteio)
    {
        dialogos->Respostas = {sorteio(0, 2) == 0};
        const QString destinos[] = {Caminho(QStringLiteral("Config/outro.cfg")), QStringLiteral("/nao/existe/x.cfg"),
                                    DialogosRoteirizados::Cancelar};
        dialogos->ArquivosParaSalvar = {destinos[sorteio(0, 2)]};
        const QString origens[] = {Caminho(QStringLiteral("Config/outro.cfg")), Caminho(QStringLiteral("Config/ruim.cfg")),
                                   DialogosRoteirizados::Cancelar};
        dialogos->ArquivosParaAbrir = {origens[sorteio(0, 2)]};
        QPushButton* const botoes[] = {janela->BitNovo, janela->BitAbrir, janela->BitSalvar};
        Clicar(botoes[sorteio(0, 2)]);
        dialogos->Respostas.clear();
        const Historico& historico = janela->HistoricoDeEdicao();
        if (historico.PassosParaDesfazer() + historico.PassosParaRefazer() == 0)
            NovaHistoria();
        else
            telas[atual] = Agora();
    }

    // The close question: a Yes whose Save is cancelled keeps the window; a saved card closes,
    // and the next start shows its file again.
    void Fechar()
    {
        if (!Salvo()) {
            dialogos->Respostas = {true};
            dialogos->ArquivosParaSalvar = {DialogosRoteirizados::Cancelar};
            ASSERT_FALSE(janela->close());
            telas[atual] = Agora();
            return;
        }
        ASSERT_TRUE(janela->close());
        janela.reset();
        AbrirJanela();
        NovaHistoria();
    }

    // A crash: the window goes without closing, and the next one offers its unsaved card back.
    void Cair()
    {
        if (Salvo())
            return;
        janela->GuardarRecuperacaoAgora();
        // Shown again as Open shows a card: the redraw marks every label position once more.
        TCartao esperado = janela->Cartao;
        SuperficieImagem rascunho;
        DesenharCartao(rascunho, esperado, janela->EdtNumLinha->text().toInt(), 0);
        const std::string cartao = ConteudoArquivoCfg(esperado);
        const QString arquivo = janela->EdtArquivo->text();
        // Unsaved after the recovery only where it differs from its file, shown as Open shows it.
        bool igualAoArquivo = false;
        if (!arquivo.isEmpty()) {
            TCartao doArquivo = esperado;
            LerArquivoCfg(Caminho(QStringLiteral("Config/") + arquivo).toStdString(), doArquivo);
            DesenharCartao(rascunho, doArquivo, doArquivo.NumLinhas, 0);
            igualAoArquivo = ConteudoArquivoCfg(doArquivo) == cartao;
        }
        janela.reset();
        AbrirJanela({true});
        ASSERT_EQ(ConteudoArquivoCfg(janela->Cartao), cartao) << "the recovered card is another";
        ASSERT_EQ(janela->EdtArquivo->text(), arquivo);
        ASSERT_EQ(Salvo(), igualAoArquivo);
        NovaHistoria();
    }

    void Editar(Sorteio& sorteio, int sorte)
    {
        const auto passoOuSeta = [&](TSpinEdit* spin) {
            static const Qt::Key teclas[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
            Focar(spin);
            QTest::keyClick(spin, teclas[sorteio(0, 3)]);
        };
        switch (sorte) {
        case 5: passoOuSeta(janela->SpeMaxGrupo); break;
        case 6: passoOuSeta(janela->SpeLinhaFinal); break;
        case 7: EscolherNaLista(janela->CobDivisao, sorteio(0, 10)); break;
        case 8: Clicar(janela->RdgHabilitado->Botao(sorteio(0, 1))); break;
        case 9:
            if (!janela->ModoMascara) {
                Clicar(janela->BitMascara);
                telas[atual] = Agora();
            }
            Pressionar(sorteio(1, janela->Cartao.NumLinhas), sorteio(1, 12));
            break;
        case 10:
            if (janela->SpeNumGrupo->isEnabled())
                passoOuSeta(janela->SpeNumGrupo);
            break;
        case 11: EscolherNaLista(janela->CBSerial, sorteio(0, 8)); break;
        case 12: Clicar(janela->RdgLeitura->Botao(sorteio(0, 1))); break;
        case 13:
            if (janela->Cobdigito->isEnabled())
                EscolherNaLista(janela->Cobdigito, sorteio(0, 4));
            break;
        case 14:
            Focar(janela->EdtNome);
            ASSERT_TRUE(janela->EdtNome->hasFocus());
            Digitar(janela->EdtNome, QStringLiteral("aÁ z").left(sorteio(0, 4)));
            if (sorteio(0, 1))
                QTest::keyClick(janela->EdtNome, Qt::Key_Backspace);
            Focar(janela->CobDivisao);
            break;
        case 15: Clicar(janela->BitMascara); break;
        default: {
            static const QKeyCombination teclas[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                                      Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown,
                                                      Qt::Key_Space, Qt::SHIFT | Qt::Key_Space};
            Focar(janela->ImgCartao);
            const QKeyCombination tecla = teclas[sorteio(0, 9)];
            QTest::keyClick(janela->ImgCartao, tecla.key(), tecla.keyboardModifiers());
        }
        }
    }

    static long MemoriaResidenteKb()
    {
        std::ifstream estado("/proc/self/status");
        for (std::string linha; std::getline(estado, linha);)
            if (linha.starts_with("VmRSS:"))
                return std::stol(linha.substr(6));
        return 0;
    }

    std::vector<Tela> telas;
    std::size_t atual = 0;
};

TEST_F(Maratona, RandomActionsOfEveryKindKeepScreenHistoryFilesAndRecoverySound)
{
    Sorteio sorteio(20261210, 400);
    SCOPED_TRACE(sorteio.Reproduzir());
    // The soak makes a new window at every close and crash, which the program never does; the
    // style caches each new window's pixmaps again, up to Qt's 10 MB. A small cache keeps that out
    // of the memory measured, which is then the program's own.
    QPixmapCache::setCacheLimit(256);
    long memoriaAos1000 = 0;
    for (int passo = 1; passo <= sorteio.Passos; ++passo) {
        SCOPED_TRACE("action " + std::to_string(passo));
        // Focus moves, and a name is stored on leaving its box, only in the active window; a
        // closed list may still take the activation a moment after it went.
        QApplication::processEvents();
        if (!janela->isActiveWindow()) {
            QApplication::setActiveWindow(janela.get());
            ASSERT_TRUE(QTest::qWaitFor([&] { return janela->isActiveWindow(); }, 20000));
        }
        const int sorte = sorteio(0, 22);
        if (sorte <= 2) {
            CtrlZ();
            atual = atual > 0 ? atual - 1 : 0;
        } else if (sorte <= 4) {
            sorte == 3 ? CtrlY() : CtrlShiftZ();
            atual = std::min(atual + 1, telas.size() - 1);
        } else if (sorte == 19) {
            ComandoDeArquivo(sorteio);
        } else if (sorte == 20) {
            Fechar();
        } else if (sorte == 21 && sorteio(0, 4) == 0) {
            Cair();
        } else {
            const TCartao antes = janela->Cartao;
            Editar(sorteio, sorte);
            if (janela->Cartao != antes)
                Passo();
            else
                telas[atual] = Agora();  // not a step: the list holds what the screen shows now
        }
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(Agora() == telas[atual]);
        ConferirDesenho();
        ASSERT_FALSE(HasFatalFailure());
        if (passo % 40 == 0) {
            PercorrerHistorico();
            SalvarEReabrir();
            ASSERT_FALSE(HasFatalFailure());
        }
        if (passo == 1000)
            memoriaAos1000 = MemoriaResidenteKb();
    }
    if (memoriaAos1000 > 0)
        std::cout << "resident memory: " << memoriaAos1000 << " kB after 1000 actions, " << MemoriaResidenteKb()
                  << " kB after " << sorteio.Passos << "\n";
}

}  // namespace
