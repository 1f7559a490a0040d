// The recovery file: kept while the card is unsaved, dropped with the changes, offered at start-up.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "ArquivoRecuperacao.h"
#include "TBitBtn.h"
#include "TSpinEdit.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

// Two groups of plain positions, lines 1-3 and 4-6: no label cell, so the refresh changes nothing.
TCartao CartaoDeDoisGrupos()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    cartao.NumGrupos = 2;
    cartao.NumLinhas = 6;
    cartao.Grupos[1] = {"A", 1, 3, 0, 1};
    cartao.Grupos[2] = {"B", 4, 6, 0, 1};
    cartao.Mascara[IndiceCelula(5, 5)] = Mascarado;
    return cartao;
}

class Recuperacao : public JanelaTeste {
protected:
    bool Existe(const QString& nome) const { return QFile::exists(Caminho(nome)); }

    // A card file reopened at start-up, and a recovery of a changed copy of it left beside, as
    // the earlier two-file slots held it: the card, and its path in a file of its own.
    void PrepararRecuperacao(const std::string& recuperacao)
    {
        TCartao salvo;
        IniciarPadroes(salvo);
        MontarCartaoNovo(salvo);
        Escrever(QStringLiteral("Config/e.cfg"), ConteudoArquivoCfg(salvo));
        Escrever(QStringLiteral("Cfg.inf"), Caminho(QStringLiteral("Config/e.cfg")).toStdString());
        Escrever(QStringLiteral("Recuperacao.cfg"), recuperacao);
        Escrever(QStringLiteral("Recuperacao.inf"), Caminho(QStringLiteral("Config/e.cfg")).toStdString());
    }
};

TEST_F(Recuperacao, AnUnsavedCardReachesTheFileByItselfWithItsPathAndSavingRemovesIt)
{
    AbrirJanela();
    SetaParaCima(janela->SpeLinhaFinal, 3);
    QTRY_VERIFY_WITH_TIMEOUT(Existe(QStringLiteral("Recuperacao.cfg")), 5000);
    janela->GuardarRecuperacaoAgora();
    EXPECT_EQ(Bytes(QStringLiteral("Recuperacao.cfg")), ConteudoRecuperacao(janela->Cartao, ""))
        << "a new card belongs to no file";

    dialogos->ArquivosParaSalvar.push_back(Caminho(QStringLiteral("Config/c.cfg")));
    Clicar(janela->BitSalvar);
    janela->GuardarRecuperacaoAgora();
    EXPECT_FALSE(Existe(QStringLiteral("Recuperacao.cfg")));

    SetaParaCima(janela->SpeMaxGrupo);
    janela->GuardarRecuperacaoAgora();
    EXPECT_EQ(Bytes(QStringLiteral("Recuperacao.cfg")),
              ConteudoRecuperacao(janela->Cartao, Caminho(QStringLiteral("Config/c.cfg")).toStdString(),
                                  ImpressaoDoConteudo(Bytes(QStringLiteral("Config/c.cfg")))))
        << "based on what the file held when saved";
}

TEST_F(Recuperacao, DroppingTheChangesAtAQuestionRemovesTheFile)
{
    TCartao primeiro;
    IniciarPadroes(primeiro);
    MontarCartaoNovo(primeiro);
    Escrever(QStringLiteral("Config/d.cfg"), ConteudoArquivoCfg(primeiro));

    const std::pair<const char*, std::function<void()>> comandos[] = {
        {"New", [&] { Clicar(janela->BitNovo); }},
        {"Open",
         [&] {
             dialogos->ArquivosParaAbrir.push_back(Caminho(QStringLiteral("Config/d.cfg")));
             Clicar(janela->BitAbrir);
         }},
        {"Close", [&] { Clicar(janela->BitFechar); }},
    };
    for (const auto& [nome, comando] : comandos) {
        SCOPED_TRACE(nome);
        janela.reset();
        AbrirJanela({false});
        SetaParaCima(janela->SpeLinhaFinal);
        janela->GuardarRecuperacaoAgora();
        ASSERT_TRUE(Existe(QStringLiteral("Recuperacao.cfg")));
        comando();
        janela->GuardarRecuperacaoAgora();
        EXPECT_FALSE(Existe(QStringLiteral("Recuperacao.cfg")));
        EXPECT_FALSE(Existe(QStringLiteral("Recuperacao.inf")));
    }
}

TEST_F(Recuperacao, YesAtStartUpShowsTheCardUnsavedUnderItsFileName)
{
    const TCartao recuperado = CartaoDeDoisGrupos();
    PrepararRecuperacao(ConteudoArquivoCfg(recuperado));
    AbrirJanela({true});

    ASSERT_EQ(dialogos->Registro.size(), 1);
    EXPECT_TRUE(dialogos->Registro.front().contains(QStringLiteral("\"e.cfg\""))) << dialogos->Registro.front().toStdString();
    EXPECT_EQ(ConteudoArquivoCfg(janela->Cartao), ConteudoArquivoCfg(recuperado));
    EXPECT_EQ(janela->EdtArquivo->text(), QStringLiteral("e.cfg"));
    EXPECT_EQ(janela->SpeMaxGrupo->Value(), 2);
    EXPECT_TRUE(janela->SpeNumGrupo->isEnabled());
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(janela->HistoricoDeEdicao().PassosParaDesfazer(), 0u);

    // Saving it goes through the dialog like any unsaved card, and the recovery is done with.
    dialogos->ArquivosParaSalvar.push_back(Caminho(QStringLiteral("Config/e.cfg")));
    Clicar(janela->BitSalvar);
    janela->GuardarRecuperacaoAgora();
    EXPECT_EQ(Bytes(QStringLiteral("Config/e.cfg")), ConteudoArquivoCfg(recuperado));
    EXPECT_FALSE(Existe(QStringLiteral("Recuperacao.cfg")));
}

TEST_F(Recuperacao, NoAtStartUpRemovesItAndKeepsTheLastFile)
{
    PrepararRecuperacao(ConteudoArquivoCfg(CartaoDeDoisGrupos()));
    AbrirJanela({false});
    janela->GuardarRecuperacaoAgora();
    EXPECT_FALSE(Existe(QStringLiteral("Recuperacao.cfg")));
    EXPECT_EQ(janela->Cartao.NumGrupos, 1);
    EXPECT_TRUE(Salvo());
}

TEST_F(Recuperacao, AFileThatDoesNotReadIsRemovedWithoutAQuestion)
{
    PrepararRecuperacao("1\r\nB\r\n");
    AbrirJanela();  // a question would fail: none is prepared
    janela->GuardarRecuperacaoAgora();
    EXPECT_TRUE(dialogos->Registro.isEmpty());
    EXPECT_FALSE(Existe(QStringLiteral("Recuperacao.cfg")));
    EXPECT_EQ(janela->EdtArquivo->text(), QStringLiteral("e.cfg"));
}

TEST_F(Recuperacao, TwoCopiesInOneFolderKeepFilesOfTheirOwnAndADeadCopysFileIsOffered)
{
    AbrirJanela();
    TFrmConfig segunda(std::make_unique<DialogosRoteirizados>(), {}, ArquivoDoProgramaDoTeste());
    QCoreApplication::processEvents();
    SetaParaCima(janela->SpeLinhaFinal, 2);
    segunda.SpeMaxGrupo->stepBy(1);
    janela->GuardarRecuperacaoAgora();
    segunda.GuardarRecuperacaoAgora();
    EXPECT_EQ(Bytes(QStringLiteral("Recuperacao.cfg")), ConteudoRecuperacao(janela->Cartao, ""));
    EXPECT_EQ(Bytes(QStringLiteral("Recuperacao-2.cfg")), ConteudoRecuperacao(segunda.Cartao, ""));

    // The first copy ends without closing, as a crash would leave it; the next start gets its card.
    const std::string deixado = ConteudoArquivoCfg(janela->Cartao);
    janela.reset();
    AbrirJanela({true});
    EXPECT_EQ(ConteudoArquivoCfg(janela->Cartao), deixado);
    EXPECT_FALSE(Salvo());
}

}  // namespace
