// New, Open, Save, Help and Close, and the start-up restore, with scripted dialogs.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <optional>

#include <sys/stat.h>

namespace {

const QString PerguntaAbrir = "pergunta: O arquivo não foi salvo. Salvar antes de abrir um arquivo novo?";
const QString PerguntaSair = "pergunta: O arquivo não foi salvo. Salvar antes de sair?";
const QString AvisoLeitura = "aviso: O arquivo não foi encontrado ou houve erro de leitura do arquivo.";
const QString DialogoAbrir = "abrir: Abrir Arquivo de Configuração";
const QString DialogoSalvar = "salvar: Salvar Arquivo de Configuração Como...";

// A card of three groups on lines 1..4, 5..6 and 7..9, COM 4, one way, type 8 first.
TCartao CartaoDeTresGrupos()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    cartao.PortaSerial = 4;
    cartao.FormaLeitura = 'U';
    cartao.NumGrupos = 3;
    cartao.NumLinhas = 9;
    cartao.DigitoVerificador = 2;
    cartao.Grupos[1] = TGrupo{"Inscri\xE7\xE3o", 1, 4, 8, 1};
    cartao.Grupos[2] = TGrupo{" Prova ", 5, 6, 3, 0};
    cartao.Grupos[3] = TGrupo{"", 7, 9, 0, 1};
    for (int linha = 1; linha <= 4; ++linha) {
        cartao.Mascara[IndiceCelula(linha, 11)] = Mascarado;
        cartao.Mascara[IndiceCelula(linha, 12)] = Mascarado;
    }
    for (int coluna = 1; coluna <= 12; ++coluna)
        for (int linha = 5; linha <= 6; ++linha)
            cartao.Mascara[IndiceCelula(linha, coluna)] = Mascarado;
    cartao.Mascara[TamanhoMascara] = Mascarado;
    return cartao;
}

class ComandosArquivo : public JanelaTeste {
protected:
    void EscreverCartao(const QString& nome, const TCartao& cartao) const
    {
        Escrever(nome, ConteudoArquivoCfg(cartao));
    }

    void Abrir(const QString& nome)
    {
        dialogos->ArquivosParaAbrir.push_back(Caminho(nome));
        Clicar(janela->BitAbrir);
    }

    void SalvarComo(const QString& nome)
    {
        dialogos->ArquivosParaSalvar.push_back(Caminho(nome));
        Clicar(janela->BitSalvar);
    }

    // Starts the program with a Cfg.inf that names `caminho`, as the bytes given.
    void IniciarCom(const std::string& cfgInf)
    {
        Escrever("Cfg.inf", cfgInf);
        AbrirJanela();
    }

    void EsperarCartaoPrimeiraVez()
    {
        EXPECT_EQ(janela->Cartao.NumGrupos, 1);
        EXPECT_EQ(janela->Cartao.Grupos[1], (TGrupo{"", 1, 1, 0, 1}));
        EXPECT_EQ(janela->EdtArquivo->text(), "");
        EXPECT_EQ(janela->SpeMaxGrupo->Value(), 1);
        EXPECT_EQ(janela->EdtNumLinha->text(), "1");
        EXPECT_TRUE(Salvo());
    }

    // The program's folder as the pointer holds it, in the system's separators.
    std::string PastaBytes() const { return QDir::toNativeSeparators(QDir::current().absolutePath() + "/").toStdString(); }
};

TEST_F(ComandosArquivo, SaveWritesTheCardThenShowsTheNameAndRemembersIt)
{
    AbrirJanela();
    Escolher(janela->CBSerial, 2);
    SalvarComo("prova.cfg");

    ASSERT_TRUE(dialogos->UltimoDialogoArquivo);
    const TDialogoArquivo& dialogo = *dialogos->UltimoDialogoArquivo;
    EXPECT_EQ(dialogo.Titulo, "Salvar Arquivo de Configuração Como...");
    EXPECT_EQ(dialogo.Filtro, "Configuração (*.cfg)");
    EXPECT_EQ(dialogo.ExtensaoPadrao, "cfg");
    EXPECT_EQ(dialogo.NomeArquivo, "*.cfg");
    EXPECT_EQ(dialogo.PastaInicial, Caminho("Config"));
    EXPECT_TRUE(dialogo.ConfirmarSubstituicao);

    TCartao esperado = janela->Cartao;
    EXPECT_EQ(esperado.PortaSerial, 3);
    EXPECT_TRUE(Bytes("prova.cfg") == ConteudoArquivoCfg(esperado));
    EXPECT_EQ(Bytes("prova.cfg").size(), 3272u);
    EXPECT_EQ(janela->EdtArquivo->text(), "prova.cfg");
    EXPECT_TRUE(Salvo());
    EXPECT_EQ(Bytes("Cfg.inf"), PastaBytes() + "prova.cfg");
}

TEST_F(ComandosArquivo, ACancelledSaveChangesNothing)
{
    AbrirJanela();
    Escolher(janela->CBSerial, 2);
    dialogos->ArquivosParaSalvar.push_back(DialogosRoteirizados::Cancelar);
    Clicar(janela->BitSalvar);
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(Bytes("Cfg.inf"), "");
    EXPECT_EQ(janela->EdtArquivo->text(), "");
}

TEST_F(ComandosArquivo, AFailedSaveReportsPathAndReasonAndKeepsEverythingElse)
{
    AbrirJanela();
    Escrever("protegido.cfg", "velho");
    ::chmod(Caminho("protegido.cfg").toLocal8Bit().constData(), 0444);
    Escolher(janela->CBSerial, 2);

    SalvarComo("protegido.cfg");
    SalvarComo("sem/pasta.cfg");
    ASSERT_EQ(dialogos->Erros.size(), 2);
    EXPECT_TRUE(dialogos->Erros[0].contains(Caminho("protegido.cfg"))) << dialogos->Erros[0].toStdString();
    EXPECT_TRUE(dialogos->Erros[0].contains("permissão negada"));
    EXPECT_TRUE(dialogos->Erros[1].contains("arquivo ou pasta inexistente"));
    EXPECT_EQ(Bytes("protegido.cfg"), "velho");
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(janela->EdtArquivo->text(), "");
    EXPECT_EQ(Bytes("Cfg.inf"), "");
}

TEST_F(ComandosArquivo, ARoundTripThroughTheWindowGivesTheSameCardAndTheSameBytes)
{
    AbrirJanela();
    Escolher(janela->CBSerial, 6);
    Clicar(janela->RdgLeitura->Botao(0));
    SetaParaCima(janela->SpeLinhaFinal, 9);
    Escolher(janela->CobDivisao, 7);
    Escolher(janela->Cobdigito, 4);
    Digitar(janela->EdtNome, " Matrícula ");
    SetaParaCima(janela->SpeMaxGrupo, 2);
    SetaParaCima(janela->SpeNumGrupo, 2);
    SetaParaCima(janela->SpeLinhaFinal, 20);
    Escolher(janela->CobDivisao, 3);
    Clicar(janela->RdgHabilitado->Botao(1));
    Clicar(janela->BitMascara);
    QTest::mouseClick(janela->ImgCartao, Qt::LeftButton, {}, QPoint(60, 15));
    SalvarComo("volta.cfg");
    const TCartao salvo = janela->Cartao;
    ASSERT_EQ(salvo.Grupos[1].Nome, " Matr\xED" "cula ");

    Clicar(janela->BitNovo);
    ASSERT_EQ(janela->Cartao.NumGrupos, 1);
    Abrir("volta.cfg");
    EXPECT_TRUE(dialogos->Erros.isEmpty());
    EXPECT_EQ(janela->Cartao, salvo);
    EXPECT_EQ(janela->CBSerial->ItemIndex(), 6);
    EXPECT_EQ(janela->RdgLeitura->ItemIndex(), 0);
    EXPECT_EQ(janela->SpeMaxGrupo->Value(), 3);
    EXPECT_EQ(janela->EdtNumLinha->text(), "32");
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 1);
    EXPECT_TRUE(janela->SpeNumGrupo->isEnabled());
    EXPECT_EQ(janela->EdtNome->text(), " Matrícula ");
    EXPECT_EQ(janela->EdtArquivo->text(), "volta.cfg");
    EXPECT_TRUE(Salvo());

    EXPECT_TRUE(ConteudoArquivoCfg(janela->Cartao) == Bytes("volta.cfg"));
}

TEST_F(ComandosArquivo, NewAsksOnlyWhenThereAreChangesAndKeepsPortAndMode)
{
    EscreverCartao("tres.cfg", CartaoDeTresGrupos());
    AbrirJanela();
    Abrir("tres.cfg");
    Clicar(janela->BitNovo);
    EXPECT_FALSE(dialogos->Registro.contains(PerguntaAbrir));
    EXPECT_EQ(janela->Cartao.NumGrupos, 1);
    EXPECT_EQ(janela->Cartao.PortaSerial, 4);
    EXPECT_EQ(janela->Cartao.FormaLeitura, 'U');
    EXPECT_EQ(janela->CBSerial->ItemIndex(), 3);
    EXPECT_EQ(janela->RdgLeitura->ItemIndex(), 0);
    EXPECT_EQ(janela->SpeMaxGrupo->Value(), 1);
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 1);
    EXPECT_FALSE(janela->SpeNumGrupo->isEnabled());
    EXPECT_EQ(janela->EdtArquivo->text(), "");
    EXPECT_EQ(janela->Cartao.Mascara[TamanhoMascara], Lido);
    EXPECT_TRUE(Salvo());
    EXPECT_EQ(Bytes("Cfg.inf"), PastaBytes() + "tres.cfg") << "New leaves the pointer alone";

    Escolher(janela->CBSerial, 0);
    dialogos->Respostas.push_back(false);
    Clicar(janela->BitNovo);
    EXPECT_EQ(dialogos->Registro.last(), PerguntaAbrir);
    EXPECT_TRUE(Salvo());
}

TEST_F(ComandosArquivo, AYesWhoseSaveDoesNotWriteStopsNewOpenAndClose)
{
    AbrirJanela();
    SetaParaCima(janela->SpeMaxGrupo);
    for (int i = 0; i < 3; ++i) {
        dialogos->Respostas.push_back(true);
        dialogos->ArquivosParaSalvar.push_back(DialogosRoteirizados::Cancelar);
    }
    Clicar(janela->BitNovo);
    Clicar(janela->BitAbrir);
    Clicar(janela->BitFechar);
    EXPECT_EQ(janela->Cartao.NumGrupos, 2);
    EXPECT_TRUE(janela->isVisible());
    EXPECT_FALSE(dialogos->Registro.contains(DialogoAbrir));
    EXPECT_FALSE(Salvo());

    // A failing save stops them as well.
    dialogos->Respostas.push_back(true);
    SalvarComo("sem/pasta.cfg");
    EXPECT_EQ(dialogos->Erros.size(), 1);
    dialogos->Respostas.push_back(true);
    dialogos->ArquivosParaSalvar.push_back(Caminho("sem/pasta.cfg"));
    Clicar(janela->BitNovo);
    EXPECT_EQ(janela->Cartao.NumGrupos, 2);
}

TEST_F(ComandosArquivo, AYesThatSavesGoesOnWithTheCommand)
{
    AbrirJanela();
    SetaParaCima(janela->SpeMaxGrupo);
    dialogos->Respostas.push_back(true);
    dialogos->ArquivosParaSalvar.push_back(Caminho("antes.cfg"));
    Clicar(janela->BitNovo);
    EXPECT_EQ(dialogos->Registro, (QStringList{PerguntaAbrir, DialogoSalvar}));
    EXPECT_EQ(janela->Cartao.NumGrupos, 1);
    EXPECT_EQ(Bytes("antes.cfg").size(), 3272u + 14) << "the first-time card plus a group on line 2";
}

TEST_F(ComandosArquivo, ACancelledOpenChangesNothingButTheSelectionMode)
{
    AbrirJanela();
    Escolher(janela->CBSerial, 2);
    Clicar(janela->BitMascara);
    const TCartao antes = janela->Cartao;
    dialogos->ArquivosParaAbrir.push_back(DialogosRoteirizados::Cancelar);
    dialogos->Respostas.push_back(false);
    Clicar(janela->BitAbrir);
    EXPECT_EQ(janela->Cartao, antes);
    EXPECT_FALSE(Salvo()) << "the card on screen did not change, so it stays unsaved";
    EXPECT_FALSE(janela->ModoMascara) << "the refresh ends the selection";
    EXPECT_EQ(Bytes("Cfg.inf"), "");
    EXPECT_EQ(dialogos->UltimoDialogoArquivo->NomeArquivo, "*.cfg");
    EXPECT_EQ(dialogos->UltimoDialogoArquivo->Titulo, "Abrir Arquivo de Configuração");
}

// A refused file costs nothing: the card, its name and Cfg.inf stay, and the box says why (the
// reader's reasons have their own table, shared with ortelo-cartao).
TEST_F(ComandosArquivo, AFailedOpenSaysWhyAndKeepsTheCardTheNameAndTheLastFile)
{
    EscreverCartao("tres.cfg", CartaoDeTresGrupos());
    AbrirJanela();
    Abrir("tres.cfg");
    const TCartao antes = janela->Cartao;
    const std::string ponteiro = Bytes("Cfg.inf");
    ASSERT_EQ(ponteiro, PastaBytes() + "tres.cfg");

    struct Ruim {
        QString nome;
        std::optional<std::string> bytes;  // nothing: no such file
        QString razao;                      // %1 is the file's full path
    };
    const Ruim ruins[] = {
        {"fora.cfg", "1\r\nB\r\n1\r\n11\r\n", "A linha 4 traz o número de grupos 11, fora do intervalo de 1 a 10."},
        {"grande.cfg", std::string((16u << 20) + 1, 'A'), "Não foi possível ler \"%1\": o arquivo tem mais de 16 MiB."},
        {"pasta.cfg", std::nullopt, "\"%1\" não é um arquivo comum."},
        {"ausente.cfg", std::nullopt, "Não foi possível abrir \"%1\": arquivo ou pasta inexistente"},
    };
    QDir().mkdir(Caminho("pasta.cfg"));
    for (const Ruim& ruim : ruins) {
        SCOPED_TRACE(ruim.nome.toStdString());
        if (ruim.bytes)
            Escrever(ruim.nome, *ruim.bytes);
        dialogos->Registro.clear();
        Abrir(ruim.nome);
        EXPECT_EQ(dialogos->Registro.join(" | ").toStdString(),
                  (DialogoAbrir + " | " + AvisoLeitura + "\n" + QString(ruim.razao).replace("%1", Caminho(ruim.nome))).toStdString());
        EXPECT_EQ(janela->Cartao, antes);
        EXPECT_EQ(janela->EdtArquivo->text(), "tres.cfg");
        EXPECT_TRUE(Salvo());
        EXPECT_EQ(Bytes("Cfg.inf"), ponteiro);
        QFile::remove(Caminho(ruim.nome));
    }
    EXPECT_TRUE(dialogos->Erros.isEmpty());
}

TEST_F(ComandosArquivo, OpeningOneGroupOverThreeSettlesTheGroupSelector)
{
    EscreverCartao("tres.cfg", CartaoDeTresGrupos());
    TCartao um;
    IniciarPadroes(um);
    DefinirCartaoPrimeiraVez(um);
    EscreverCartao("um.cfg", um);
    AbrirJanela();
    Abrir("tres.cfg");
    SetaParaCima(janela->SpeNumGrupo, 2);
    janela->BitSalvar->setEnabled(false);

    Abrir("um.cfg");
    EXPECT_EQ(janela->SpeMaxGrupo->Value(), 1);
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 1);
    EXPECT_EQ(janela->SpeNumGrupo->MaxValue(), 1);
    EXPECT_TRUE(janela->SpeNumGrupo->isEnabled()) << "it keeps its enabled state";
    EXPECT_EQ(janela->EdtNumLinha->text(), "1");
    EXPECT_EQ(janela->CBSerial->ItemIndex(), 0);
    EXPECT_EQ(janela->RdgLeitura->ItemIndex(), 1);
    EXPECT_TRUE(Salvo());
}

TEST_F(ComandosArquivo, CloseAsksOnlyWhenThereAreChangesAndByTheTitleBarToo)
{
    AbrirJanela();
    Clicar(janela->BitFechar);
    EXPECT_FALSE(janela->isVisible());
    EXPECT_TRUE(dialogos->Registro.isEmpty());

    janela->show();
    Escolher(janela->CBSerial, 1);
    dialogos->Respostas.push_back(true);
    dialogos->ArquivosParaSalvar.push_back(DialogosRoteirizados::Cancelar);
    janela->close();  // as the title-bar button does
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(dialogos->Registro.first(), PerguntaSair);

    dialogos->Respostas.push_back(false);
    Clicar(janela->BitFechar);
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(Bytes("Cfg.inf"), "");
}

TEST_F(ComandosArquivo, ANameTypedIsSavedEvenWhenSaveComesByItsAccelerator)
{
    AbrirJanela();
    Escolher(janela->CBSerial, 1);
    Digitar(janela->EdtNome, "Turma");
    dialogos->ArquivosParaSalvar.push_back(Caminho("atalho.cfg"));
    QTest::keyClick(janela->EdtNome, Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(dialogos->Registro.size(), 1);
    EXPECT_EQ(janela->Cartao.Grupos[1].Nome, "Turma");
    EXPECT_NE(Bytes("atalho.cfg").find("\r\nTurma\r\n"), std::string::npos);
}

TEST_F(ComandosArquivo, ANameTypedIsStoredBeforeTheTitleBarCloseAsks)
{
    AbrirJanela();
    Digitar(janela->EdtNome, "Final");
    dialogos->Respostas.push_back(true);
    dialogos->ArquivosParaSalvar.push_back(Caminho("fim.cfg"));
    janela->close();
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(dialogos->Registro.first(), PerguntaSair);
    EXPECT_NE(Bytes("fim.cfg").find("\r\nFinal\r\n"), std::string::npos);
}

TEST_F(ComandosArquivo, HelpAsksTheViewerForTheHelpFileBesideTheProgram)
{
    AbrirJanela();
    const TCartao antes = janela->Cartao;
    Clicar(janela->BitAjuda);
    EXPECT_EQ(dialogos->Registro, (QStringList{"ajuda: " + Caminho("Ortelo.hlp")}));
    EXPECT_EQ(janela->Cartao, antes);
    EXPECT_TRUE(Salvo());
}

TEST_F(ComandosArquivo, TheLastFileIsReopenedAtStartUp)
{
    EscreverCartao("tres.cfg", CartaoDeTresGrupos());
    IniciarCom(PastaBytes() + "tres.cfg\r\n/outro/arquivo.cfg\r\n");
    EXPECT_TRUE(dialogos->Registro.isEmpty());
    EXPECT_EQ(janela->Cartao.NumGrupos, 3);
    EXPECT_EQ(janela->Cartao.Grupos[2].Nome, " Prova ");
    EXPECT_EQ(janela->EdtArquivo->text(), "tres.cfg");
    EXPECT_EQ(janela->CBSerial->ItemIndex(), 3);
    EXPECT_EQ(janela->RdgLeitura->ItemIndex(), 0);
    EXPECT_EQ(janela->SpeMaxGrupo->Value(), 3);
    EXPECT_EQ(janela->EdtNumLinha->text(), "9");
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 1);
    EXPECT_EQ(janela->SpeNumGrupo->MaxValue(), 3);
    EXPECT_EQ(janela->SpeLinhaFinal->MaxValue(), 88);
    EXPECT_EQ(janela->CobDivisao->ItemIndex(), 8);
    EXPECT_TRUE(janela->Cobdigito->isEnabled());
    EXPECT_EQ(janela->Cobdigito->ItemIndex(), 2);
    EXPECT_TRUE(Salvo());
    EXPECT_EQ(Bytes("Cfg.inf"), PastaBytes() + "tres.cfg\r\n/outro/arquivo.cfg\r\n") << "the restore never writes it";
    EXPECT_EQ(janela->Cartao.Mascara[TamanhoMascara], Mascarado);
}

TEST_F(ComandosArquivo, AnUnusableLastFileGivesTheFirstTimeCardSilently)
{
    Escrever("cortado.cfg", ConteudoArquivoCfg(CartaoDeTresGrupos()).substr(0, 3000));
    Escrever("binario.cfg", std::string("\x7F" "ELF\x02\x01\x01\x00", 8));
    Escrever("fora.cfg", "1\r\nB\r\n91\r\n");
    QDir().mkdir(Caminho("pasta.cfg"));
    for (const std::string nome : {"ausente.cfg", "cortado.cfg", "binario.cfg", "fora.cfg", "pasta.cfg", ""}) {
        SCOPED_TRACE(nome);
        janela.reset();
        IniciarCom(nome.empty() ? "" : PastaBytes() + nome);
        EsperarCartaoPrimeiraVez();
        EXPECT_TRUE(dialogos->Registro.isEmpty());
        EXPECT_EQ(janela->Cartao.PortaSerial, 1);
        EXPECT_EQ(janela->Cartao.FormaLeitura, 'B');
    }
}

}  // namespace
