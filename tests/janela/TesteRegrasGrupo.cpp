// The group panel and card settings, operated through the controls as an operator does.

#include "JanelaTeste.h"
#include "Sorteio.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <set>

namespace {

// The label positions (item numbers and blank columns) of each group type, by column.
const std::set<int>& PosicoesRotulo(int tipo)
{
    static const std::vector<std::set<int>> tabela{
        {},       {1, 2},           {1, 2},      {1, 7}, {1, 5, 9}, {1, 4, 7, 10}, {1, 3, 5, 7, 9, 11},
        {1, 12},  {11, 12},         {1, 12},     {11, 12}};
    static const std::set<int> nenhuma;
    return tipo >= 0 && tipo < 11 ? tabela[tipo] : nenhuma;
}

class RegrasGrupo : public JanelaTeste {
protected:
    void SetUp() override { AbrirJanela(); }

    // Builds consecutive groups of the given sizes from the first-time card, as an operator would.
    void CriarGrupos(const std::vector<int>& tamanhos)
    {
        for (std::size_t i = 0; i < tamanhos.size(); ++i) {
            if (i > 0) {
                SetaParaCima(janela->SpeMaxGrupo);
                SetaParaCima(janela->SpeNumGrupo);
            }
            SetaParaCima(janela->SpeLinhaFinal, tamanhos[i] - 1);
        }
    }

    void IrParaGrupo(int g)
    {
        const int atual = janela->SpeNumGrupo->Value();
        if (g > atual)
            SetaParaCima(janela->SpeNumGrupo, g - atual);
        else
            SetaParaBaixo(janela->SpeNumGrupo, atual - g);
    }

    void Habilitar(bool sim) { Clicar(janela->RdgHabilitado->Botao(sim ? 0 : 1)); }

    TGrupo Grupo(int g) const { return janela->Cartao.Grupos[g]; }

    std::string MascaraDaLinha(int linha) const
    {
        std::string celulas;
        for (int coluna = 1; coluna <= 12; ++coluna)
            celulas += Celula(linha, coluna);
        return celulas;
    }

    // Saves the card as it stands: what follows is measured against it.
    void MarcarSalvo()
    {
        dialogos->ArquivosParaSalvar = {Caminho(QStringLiteral("Config/salvo.cfg"))};
        janela->BitSalvarClick();
    }
};

TEST_F(RegrasGrupo, RaisingTheCountAddsAGroupOnTheNextLineWithThePreviousType)
{
    Escolher(janela->CobDivisao, 3);
    MarcarSalvo();
    SetaParaCima(janela->SpeMaxGrupo);

    EXPECT_EQ(janela->Cartao.NumGrupos, 2);
    EXPECT_EQ(Grupo(2), (TGrupo{"", 2, 2, 3, 1}));
    EXPECT_EQ(janela->EdtNumLinha->text(), "2");
    EXPECT_EQ(janela->Cartao.NumLinhas, 2);
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 1) << "adding a group does not make it current";
    EXPECT_TRUE(janela->SpeNumGrupo->isEnabled());
    EXPECT_EQ(janela->SpeNumGrupo->MaxValue(), 2);
    EXPECT_EQ(janela->SpeLinhaFinal->MaxValue(), 89);
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(MascaraDaLinha(2), "100000100000") << "the new group's labels are drawn";
}

TEST_F(RegrasGrupo, NoGroupIsAddedWhileTheLastGroupEndsOnLineNinety)
{
    SetaParaCima(janela->SpeLinhaFinal, 88);
    SetaParaCima(janela->SpeMaxGrupo);
    EXPECT_EQ(Grupo(2).LinhaInicial, 90);
    EXPECT_EQ(janela->EdtNumLinha->text(), "90");

    MarcarSalvo();
    SetaParaCima(janela->SpeMaxGrupo);
    EXPECT_EQ(janela->Cartao.NumGrupos, 2);
    EXPECT_EQ(janela->SpeMaxGrupo->Value(), 2) << "the count springs back";
    EXPECT_EQ(Grupo(3), (TGrupo{"", 0, 0, 0, 1}));
    EXPECT_TRUE(Salvo()) << "a refused increase changes no byte";
}

TEST_F(RegrasGrupo, LoweringTheCountRemovesTheLastGroupAndMakesTheNewLastCurrent)
{
    CriarGrupos({4, 4, 4});
    Escolher(janela->CobDivisao, 4);
    Digitar(janela->EdtNome, "C");
    Focar(janela->SpeMaxGrupo);
    ASSERT_EQ(Grupo(3).Nome, "C");
    ASSERT_EQ(janela->SpeNumGrupo->Value(), 3);

    SetaParaBaixo(janela->SpeMaxGrupo);
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 2);
    EXPECT_EQ(janela->SpeNumGrupo->MaxValue(), 2);
    EXPECT_EQ(Grupo(3), (TGrupo{"", 0, 0, 0, 1}));
    EXPECT_EQ(janela->EdtNumLinha->text(), "8");
    EXPECT_EQ(janela->Cartao.NumLinhas, 8);
    for (int linha = 9; linha <= 12; ++linha)
        EXPECT_EQ(MascaraDaLinha(linha), "000000000000") << linha;
    EXPECT_EQ(janela->SpeLinhaFinal->Value(), 8);

    SetaParaBaixo(janela->SpeMaxGrupo);
    EXPECT_FALSE(janela->SpeNumGrupo->isEnabled());
    EXPECT_EQ(janela->SpeNumGrupo->MaxValue(), 1);
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 1);
}

TEST_F(RegrasGrupo, GrowingAGroupPushesOnlyTheGroupsItSqueezesToOneLine)
{
    CriarGrupos({4, 4, 1});
    IrParaGrupo(2);
    SetaParaCima(janela->SpeLinhaFinal);
    EXPECT_EQ(Grupo(2).LinhaFinal, 9);
    EXPECT_EQ(Grupo(3).LinhaInicial, 10);
    EXPECT_EQ(Grupo(3).LinhaFinal, 10);
    EXPECT_EQ(janela->EdtNumLinha->text(), "10");

    SetaParaCima(janela->SpeMaxGrupo);  // group 4 on line 11
    SetaParaCima(janela->SpeLinhaFinal, 2);
    EXPECT_EQ(Grupo(3).LinhaInicial, 12);
    EXPECT_EQ(Grupo(4).LinhaInicial, 13);
    EXPECT_EQ(janela->EdtNumLinha->text(), "13");
}

TEST_F(RegrasGrupo, TheNextGroupGivesOrTakesLinesAtItsTopAndKeepsItsEnd)
{
    CriarGrupos({4, 4, 4});
    IrParaGrupo(2);
    SetaParaCima(janela->SpeLinhaFinal);
    EXPECT_EQ(Grupo(3).LinhaInicial, 10);
    EXPECT_EQ(Grupo(3).LinhaFinal, 12);
    SetaParaBaixo(janela->SpeLinhaFinal, 2);
    EXPECT_EQ(Grupo(2).LinhaFinal, 7);
    EXPECT_EQ(Grupo(3).LinhaInicial, 8);
    EXPECT_EQ(Grupo(3).LinhaFinal, 12);
    EXPECT_EQ(janela->EdtNumLinha->text(), "12");
}

TEST_F(RegrasGrupo, ALastLineBelowTheFirstIsTakenAsTheFirstAndStillResetsLaterMasks)
{
    CriarGrupos({4, 1, 3});
    IrParaGrupo(3);
    Escolher(janela->CobDivisao, 3);
    Habilitar(false);
    ASSERT_EQ(MascaraDaLinha(7), "111111111111");
    IrParaGrupo(2);
    MarcarSalvo();

    SetaParaBaixo(janela->SpeLinhaFinal);
    EXPECT_EQ(Grupo(2).LinhaInicial, 5);
    EXPECT_EQ(Grupo(2).LinhaFinal, 5);
    EXPECT_EQ(janela->SpeLinhaFinal->Value(), 5);
    EXPECT_FALSE(Salvo());
    EXPECT_EQ(MascaraDaLinha(7), "100000100000") << "the later, disabled group was reset to its labels";
    EXPECT_EQ(Grupo(3).Habilitado, 0);
}

TEST_F(RegrasGrupo, TheLastGroupKeepsTheMaskOfItsRemainingLines)
{
    CriarGrupos({3, 4});
    Habilitar(false);
    ASSERT_EQ(MascaraDaLinha(5), "111111111111");
    SetaParaBaixo(janela->SpeLinhaFinal, 2);
    EXPECT_EQ(MascaraDaLinha(4), "111111111111");
    EXPECT_EQ(MascaraDaLinha(5), "111111111111");
    EXPECT_EQ(MascaraDaLinha(6), "000000000000");
    EXPECT_EQ(MascaraDaLinha(7), "000000000000");
}

TEST_F(RegrasGrupo, MovingBetweenGroupsIsNoEditAndOffersTheCheckDigitOnlyForRegistrationTypes)
{
    CriarGrupos({2, 2, 2});
    Escolher(janela->CobDivisao, 8);
    Escolher(janela->Cobdigito, 2);
    IrParaGrupo(2);
    Escolher(janela->CobDivisao, 2);
    MarcarSalvo();

    IrParaGrupo(1);
    EXPECT_FALSE(janela->Cobdigito->isEnabled()) << "type 0";
    IrParaGrupo(2);
    EXPECT_FALSE(janela->Cobdigito->isEnabled()) << "type 2 is numeric, not registration";
    IrParaGrupo(3);
    EXPECT_TRUE(janela->Cobdigito->isEnabled());
    EXPECT_EQ(janela->Cobdigito->ItemIndex(), 2);
    EXPECT_EQ(janela->SpeLinhaFinal->MaxValue(), 90);
    IrParaGrupo(1);
    EXPECT_EQ(janela->SpeLinhaFinal->MaxValue(), 88);
    EXPECT_TRUE(Salvo());
    EXPECT_EQ(janela->Cartao.DigitoVerificador, 2);
}

TEST_F(RegrasGrupo, DisablingMasksTheWholeGroupAndEnablingDropsItsManualMasking)
{
    CriarGrupos({3});
    Escolher(janela->CobDivisao, 5);
    janela->Cartao.Mascara[IndiceCelula(2, 2)] = Mascarado;  // as a manual selection would leave it
    MarcarSalvo();

    Habilitar(false);
    EXPECT_EQ(Grupo(1).Habilitado, 0);
    EXPECT_EQ(janela->RdgHabilitado->ItemIndex(), 1);
    for (int linha = 1; linha <= 3; ++linha)
        EXPECT_EQ(MascaraDaLinha(linha), "111111111111");
    EXPECT_FALSE(Salvo());
    // Only the item numbers show: no frame on a masked mark position.
    EXPECT_NE(Pixel(55, 11), 0xFF0000u);

    Habilitar(true);
    EXPECT_EQ(Grupo(1).Habilitado, 1);
    for (int linha = 1; linha <= 3; ++linha)
        EXPECT_EQ(MascaraDaLinha(linha), "100100100100");
    EXPECT_EQ(Pixel(55, 11), 0xFF0000u);
}

TEST_F(RegrasGrupo, ANewTypeClearsTheGroupsMaskBeforeItsLabelsAreDrawn)
{
    CriarGrupos({2, 2});
    IrParaGrupo(1);
    Escolher(janela->CobDivisao, 3);
    ASSERT_EQ(MascaraDaLinha(1), "100000100000");
    MarcarSalvo();
    Escolher(janela->CobDivisao, 0);
    EXPECT_EQ(Grupo(1).Tipo, 0);
    EXPECT_EQ(MascaraDaLinha(1), "000000000000");
    EXPECT_EQ(MascaraDaLinha(2), "000000000000");
    EXPECT_EQ(Pixel(40, 11), 0xFF0000u) << "column 1 is a box again";
    EXPECT_FALSE(Salvo());
}

TEST_F(RegrasGrupo, ANameIsStoredUntrimmedOnEveryExitAsWindows1252)
{
    Digitar(janela->EdtNome, "  Inscrição ");
    MarcarSalvo();
    Focar(janela->CobDivisao);
    EXPECT_EQ(Grupo(1).Nome, "  Inscri\xE7\xE3o ");
    EXPECT_FALSE(Salvo());

    MarcarSalvo();
    Focar(janela->EdtNome);
    Focar(janela->CobDivisao);
    EXPECT_TRUE(Salvo()) << "leaving the box unchanged changes nothing";
}

TEST_F(RegrasGrupo, TheNameBoxRefusesWhatTheFileCannotHold)
{
    Digitar(janela->EdtNome, "Ab");
    Digitar(janela->EdtNome, QString::fromUtf8("\xE4\xB8\xAD\xC5\x81"));  // 中 Ł
    EXPECT_EQ(janela->EdtNome->text(), "Ab");

    QApplication::clipboard()->setText("linha\nquebrada");
    QTest::keySequence(janela->EdtNome, QKeySequence::Paste);
    QApplication::clipboard()->setText(QString("fim") + QChar(0x1A));
    QTest::keySequence(janela->EdtNome, QKeySequence::Paste);
    EXPECT_EQ(janela->EdtNome->text(), "Ab");

    QApplication::clipboard()->setText("ç€");
    QTest::keySequence(janela->EdtNome, QKeySequence::Paste);
    Focar(janela->CobDivisao);
    EXPECT_EQ(Grupo(1).Nome, "Ab\xE7\x80");
}

TEST_F(RegrasGrupo, ANameTypedForOneGroupIsStoredBeforeTheNextIsShown)
{
    CriarGrupos({1, 1});
    IrParaGrupo(1);
    Digitar(janela->EdtNome, "primeiro");
    // A press on the spin arrow moves focus first, so the exit stores the name.
    const QRect seta = janela->SpeNumGrupo->rect();
    QTest::mouseClick(janela->SpeNumGrupo, Qt::LeftButton, {}, QPoint(seta.width() - 5, 5));
    EXPECT_EQ(janela->SpeNumGrupo->Value(), 2);
    EXPECT_EQ(Grupo(1).Nome, "primeiro");
    EXPECT_EQ(janela->EdtNome->text(), "");
}

TEST_F(RegrasGrupo, PortAndReadingModeAreStoredAndMarkUnsaved)
{
    Escolher(janela->CBSerial, 8);
    EXPECT_EQ(janela->Cartao.PortaSerial, 9);
    EXPECT_FALSE(Salvo());

    MarcarSalvo();
    Clicar(janela->RdgLeitura->Botao(0));
    EXPECT_EQ(janela->Cartao.FormaLeitura, 'U');
    EXPECT_FALSE(Salvo());
    Clicar(janela->RdgLeitura->Botao(1));
    EXPECT_EQ(janela->Cartao.FormaLeitura, 'B');
}

// Thousands of seeded random operator actions; after each one the card must be sound and the
// panel must show the current group.
class PropriedadesGrupo : public RegrasGrupo {
protected:
    void VerificarCartao()
    {
        const TCartao& c = janela->Cartao;
        ASSERT_GE(c.NumGrupos, 1);
        ASSERT_LE(c.NumGrupos, 10);
        ASSERT_EQ(janela->SpeMaxGrupo->Value(), c.NumGrupos);
        ASSERT_EQ(c.Grupos[1].LinhaInicial, 1);
        for (int g = 1; g <= c.NumGrupos; ++g) {
            ASSERT_LE(c.Grupos[g].LinhaInicial, c.Grupos[g].LinhaFinal) << g;
            if (g > 1) {
                ASSERT_EQ(c.Grupos[g].LinhaInicial, c.Grupos[g - 1].LinhaFinal + 1) << g;
            }
        }
        const int ultima = c.Grupos[c.NumGrupos].LinhaFinal;
        ASSERT_LE(ultima, 90);
        ASSERT_EQ(c.NumLinhas, ultima);
        ASSERT_EQ(janela->EdtNumLinha->text(), QString::number(ultima));
        for (int linha = ultima + 1; linha <= 90; ++linha)
            ASSERT_EQ(MascaraDaLinha(linha), "000000000000") << linha;
        for (int g = c.NumGrupos + 1; g <= 10; ++g)
            ASSERT_EQ(c.Grupos[g], (TGrupo{"", 0, 0, 0, 1})) << g;
        ASSERT_EQ(c.Mascara[TamanhoMascara], Lido);

        // Labels are "1"; without manual masking, an enabled group's mark positions are "0".
        for (int g = 1; g <= c.NumGrupos; ++g)
            for (int linha = c.Grupos[g].LinhaInicial; linha <= c.Grupos[g].LinhaFinal; ++linha)
                for (int coluna = 1; coluna <= 12; ++coluna) {
                    const char celula = Celula(linha, coluna);
                    const char esperada = PosicoesRotulo(c.Grupos[g].Tipo).count(coluna) ? Mascarado
                                          : c.Grupos[g].Habilitado == 1                   ? Lido
                                                                                          : celula;
                    ASSERT_TRUE(celula == Lido || celula == Mascarado);
                    ASSERT_EQ(celula, esperada) << g << " " << linha << " " << coluna;
                }

        const int g = janela->SpeNumGrupo->Value();
        ASSERT_GE(g, 1);
        ASSERT_LE(g, c.NumGrupos);
        ASSERT_EQ(janela->SpeNumGrupo->MaxValue(), c.NumGrupos);
        ASSERT_EQ(janela->SpeNumGrupo->isEnabled(), c.NumGrupos > 1);
        ASSERT_EQ(janela->SpeLinhaFinal->Value(), c.Grupos[g].LinhaFinal);
        ASSERT_EQ(janela->SpeLinhaFinal->MaxValue(), g - c.NumGrupos + 90);
        ASSERT_EQ(janela->EdtLinhaInicial->text(), QString::number(c.Grupos[g].LinhaInicial));
        ASSERT_EQ(janela->CobDivisao->ItemIndex(), c.Grupos[g].Tipo);
        ASSERT_EQ(janela->RdgHabilitado->ItemIndex(), c.Grupos[g].Habilitado == 1 ? 0 : 1);
        ASSERT_EQ(janela->Cobdigito->isEnabled(), EhTipoInscricao(c.Grupos[g].Tipo));
    }
};

TEST_F(PropriedadesGrupo, RandomOperatorActionsKeepTheCardSound)
{
    Sorteio sorteio(20261210, 3000);
    SCOPED_TRACE(sorteio.Reproduzir());

    for (int passo = 0; passo < sorteio.Passos; ++passo) {
        SCOPED_TRACE("step " + std::to_string(passo));
        switch (sorteio(0, 9)) {
        case 0: SetaParaCima(janela->SpeMaxGrupo, sorteio(1, 2)); break;
        case 1: SetaParaBaixo(janela->SpeMaxGrupo); break;
        case 2:
            if (janela->SpeNumGrupo->isEnabled())
                sorteio(0, 1) ? SetaParaCima(janela->SpeNumGrupo) : SetaParaBaixo(janela->SpeNumGrupo);
            break;
        case 3: SetaParaCima(janela->SpeLinhaFinal, sorteio(1, 12)); break;
        case 4: SetaParaBaixo(janela->SpeLinhaFinal, sorteio(1, 12)); break;
        case 5: Escolher(janela->CobDivisao, sorteio(0, 10)); break;
        case 6: Habilitar(sorteio(0, 1) == 0); break;
        case 7:
            Digitar(janela->EdtNome, QString(sorteio(0, 3), QChar(u'ã')));
            Focar(janela->CobDivisao);
            break;
        case 8:
            if (janela->Cobdigito->isEnabled())
                Escolher(janela->Cobdigito, sorteio(0, 4));
            break;
        case 9: Escolher(janela->CBSerial, sorteio(0, 8)); break;
        }
        VerificarCartao();
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
