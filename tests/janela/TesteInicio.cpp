// The window as a first start shows it: controls, their places and texts, and the start-up.

#include "JanelaTeste.h"
#include "Plataforma.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

class Inicio : public JanelaTeste {};

TEST_F(Inicio, AFirstStartShowsTheOneLineCardAndNothingUnsaved)
{
    AbrirJanela();
    const TFrmConfig& j = *janela;

    EXPECT_EQ(j.windowTitle(), "Ortelo - Pelunca");
    EXPECT_EQ(j.EdtArquivo->text(), "");
    EXPECT_EQ(j.CBSerial->ItemIndex(), 0) << "the list shows the port a Save stores";
    EXPECT_EQ(j.CBSerial->currentText(), "COM 1");
    EXPECT_EQ(j.Cartao.PortaSerial, 1);
    EXPECT_EQ(j.RdgLeitura->ItemIndex(), 1);
    EXPECT_EQ(j.SpeMaxGrupo->Value(), 1);
    EXPECT_EQ(j.EdtNumLinha->text(), "1");
    EXPECT_EQ(j.SpeNumGrupo->Value(), 1);
    EXPECT_FALSE(j.SpeNumGrupo->isEnabled());
    EXPECT_EQ(j.EdtNome->text(), "");
    EXPECT_EQ(j.EdtLinhaInicial->text(), "1");
    EXPECT_EQ(j.SpeLinhaFinal->Value(), 1);
    EXPECT_EQ(j.SpeLinhaFinal->MaxValue(), 90);
    EXPECT_EQ(j.CobDivisao->ItemIndex(), 0);
    EXPECT_EQ(j.RdgHabilitado->ItemIndex(), 0);
    EXPECT_FALSE(j.Cobdigito->isEnabled());
    EXPECT_EQ(j.Cobdigito->ItemIndex(), -1);
    EXPECT_EQ(j.Cobdigito->placeholderText(), "Não usar");
    EXPECT_FALSE(j.BitSalvar->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), j.BitNovo);

    EXPECT_EQ(j.Cartao.NumLinhas, 1);
    EXPECT_EQ(j.Cartao.NumGrupos, 1);
    EXPECT_EQ(j.Cartao.Grupos[1], (TGrupo{"", 1, 1, 0, 1}));
    EXPECT_EQ(j.Cartao.FormaLeitura, 'B');
    EXPECT_FALSE(j.ModoMascara);

    // The one-line card: outline to y 28, the timing mark of line 1, background below.
    EXPECT_EQ(Pixel(25, 2), 0x000000u);
    EXPECT_EQ(Pixel(224, 28), 0x000000u);
    EXPECT_EQ(Pixel(30, 15), 0x000000u);
    EXPECT_EQ(Pixel(40, 11), 0xFF0000u) << "red frame of line 1, column 1";
    EXPECT_EQ(Pixel(100, 40), j.palette().color(QPalette::Button).rgb() & 0xFFFFFF);
}

TEST_F(Inicio, TheProgramFolderComesFromTheProgramFileInTheCurrentDirectory)
{
    AbrirJanela();
    const QString pasta = QDir::current().absolutePath() + "/";
    EXPECT_EQ(janela->DirPrograma, pasta);
    EXPECT_EQ(janela->ArqCfgInf, pasta + "Cfg.inf");
    EXPECT_EQ(janela->OpdAbrir.PastaInicial, pasta + "Config");
    EXPECT_EQ(janela->SvdSalvar.PastaInicial, pasta + "Config");
}

TEST_F(Inicio, WithoutTheProgramFileTheFolderIsEmptyAndNamesAreRelative)
{
    QFile::remove(ArquivoDoProgramaDoTeste());
    QDir().mkdir(ArquivoDoProgramaDoTeste());  // a folder of that name does not count
    AbrirJanela();
    EXPECT_EQ(janela->DirPrograma, "");
    EXPECT_EQ(janela->ArqCfgInf, "Cfg.inf");
    EXPECT_EQ(janela->OpdAbrir.PastaInicial, "Config");
    EXPECT_EQ(janela->SvdSalvar.PastaInicial, "Config");
}

TEST_F(Inicio, AFolderNamedCfgInfCountsAsMissing)
{
    QDir().mkdir(Caminho("Cfg.inf"));
    AbrirJanela();
    EXPECT_EQ(janela->Cartao.NumGrupos, 1);
    EXPECT_EQ(janela->EdtArquivo->text(), "");
    EXPECT_TRUE(dialogos->Registro.isEmpty());
    EXPECT_TRUE(Salvo());
}

TEST_F(Inicio, TheRefreshShowsTheCurrentGroupAndClearsTheMaskAfterTheLastGroup)
{
    AbrirJanela();
    TFrmConfig& j = *janela;
    j.Cartao.NumGrupos = 2;
    j.Cartao.Grupos[1] = TGrupo{"Prova", 1, 3, 4, 1};
    j.Cartao.Grupos[2] = TGrupo{"Inscri\xE7\xE3o", 4, 6, 7, 0};
    j.Cartao.DigitoVerificador = 3;
    for (int coluna = 1; coluna <= 12; ++coluna) {
        j.Cartao.Mascara[IndiceCelula(5, coluna)] = Mascarado;  // inside group 2: stays
        j.Cartao.Mascara[IndiceCelula(7, coluna)] = Mascarado;  // after the last group: cleared
        j.Cartao.Mascara[IndiceCelula(90, coluna)] = Mascarado;
    }
    j.Cartao.Mascara[TamanhoMascara] = Mascarado;
    j.EdtNumLinha->setText("6");
    j.SpeNumGrupo->SetMaxValue(2);
    j.SpeNumGrupo->SetValue(2);  // runs the group change and so the refresh

    EXPECT_EQ(j.EdtNome->text(), "Inscrição");
    EXPECT_EQ(j.CobDivisao->ItemIndex(), 7);
    EXPECT_EQ(j.SpeLinhaFinal->Value(), 6);
    EXPECT_EQ(j.EdtLinhaInicial->text(), "4");
    EXPECT_EQ(j.RdgHabilitado->ItemIndex(), 1);
    EXPECT_TRUE(j.Cobdigito->isEnabled());
    EXPECT_EQ(j.Cobdigito->ItemIndex(), 3);
    EXPECT_EQ(j.Cartao.NumLinhas, 6);
    EXPECT_EQ(Celula(5, 5), Mascarado);
    EXPECT_EQ(Celula(7, 5), Lido);
    EXPECT_EQ(Celula(90, 12), Lido);
    EXPECT_EQ(j.Cartao.Mascara[TamanhoMascara], Mascarado) << "element 1081 belongs to no line";
    EXPECT_EQ(Celula(4, 1), Mascarado) << "the redraw marks the item number of type 7";

    // Cobdigito shows the card's value only while the shown group is a registration type.
    j.SpeNumGrupo->SetValue(1);
    EXPECT_FALSE(j.Cobdigito->isEnabled());
}

TEST_F(Inicio, PressesOnThePictureArriveInPictureCoordinatesWhateverTheScroll)
{
    AbrirJanela();
    int recebidoX = -1, recebidoY = -1;
    QObject::connect(janela->ImgCartao, &TImagemCartao::MouseDown,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         recebidoX = x;
                         recebidoY = y;
                     });
    janela->ScrollBox1->verticalScrollBar()->setValue(300);
    QTest::mouseClick(janela->ImgCartao, Qt::RightButton, {}, QPoint(45, 700));
    EXPECT_EQ(recebidoX, 45);
    EXPECT_EQ(recebidoY, 700);
    EXPECT_EQ(janela->ImgCartao->size(), QSize(240, 850));
}

// Every control's parent, place, size and text, as the window's design gives them.
struct Desenho {
    const char* nome;
    const char* pai;
    QRect lugar;  // labels size themselves: only their top-left corner is given
    QString texto;
    QString dica;
};

QString TextoDe(QWidget* controle)
{
    if (auto* botao = qobject_cast<QPushButton*>(controle))
        return botao->text();
    if (auto* caixa = qobject_cast<QGroupBox*>(controle))
        return caixa->title();
    if (auto* rotulo = qobject_cast<QLabel*>(controle))
        return rotulo->text();
    if (auto* edicao = qobject_cast<QLineEdit*>(controle))
        return edicao->text();
    return {};
}

TEST_F(Inicio, EveryControlStandsWhereTheDesignPutsItWithItsTextAndHint)
{
    AbrirJanela();
    const QString dicaFormato = "Número de linhas e grupos do cartão";
    const std::vector<Desenho> desenho{
        {"ImgPelunca", "", {144, 8, 385, 65}, "", ""},
        {"GrbCartao", "", {8, 188, 513, 129}, "Configuração da Leitora e do Cartão: ", ""},
        {"RdgLeitura", "", {120, 204, 129, 105}, "Forma de leitura :",
         "Unidirecional: Cartão por trás, leitura em sentido único - Bidirecional: Cartão pela prente, leitura em "
         "dois sentidos"},
        {"StxConfig", "", {8, 24, 129, 36}, "Ortelo", ""},
        {"GrbMascara", "", {8, 473, 385, 72}, "Máscara do Cartão:", ""},
        {"GrbGrupo", "", {8, 320, 513, 149}, "Estrutura do Grupo:", ""},
        {"GrbArquivo", "", {8, 128, 513, 57}, "Arquivo da Configuração:", ""},
        {"BitAjuda", "", {416, 477, 97, 35}, "A&juda", "Ajuda para configurar o leitora"},
        {"BitFechar", "", {416, 515, 97, 35}, "&Fechar", "Fecha o programa"},
        {"ScrollBox1", "", {533, 0, 261, 545}, "", ""},
        {"LblArquivo", "GrbArquivo", {6, 25, 0, 0}, "Arquivo atual", ""},
        {"EdtArquivo", "GrbArquivo", {88, 24, 129, 22}, "", "Arquivo atual"},
        {"BitNovo", "GrbArquivo", {227, 16, 86, 33}, "&Novo", "Abre um arquivo novo"},
        {"BitAbrir", "GrbArquivo", {320, 16, 89, 33}, "&Abrir", "Abre um arquivo de configuração do cartão"},
        {"BitSalvar", "GrbArquivo", {416, 16, 86, 33}, "&Salvar...", "Salva o cartão num arquivo de configuração"},
        {"GrbSerial", "GrbCartao", {8, 16, 105, 105}, "Porta serial:", ""},
        {"CBSerial", "GrbSerial", {8, 32, 81, 22}, "", ""},
        {"GrbFormato", "GrbCartao", {240, 16, 265, 105}, "Formato do Cartão :", dicaFormato},
        {"LblNumGrupo", "GrbFormato", {8, 26, 0, 0}, "Número de grupos do cartão............ ", dicaFormato},
        {"SpeMaxGrupo", "GrbFormato", {220, 25, 37, 26}, "", "Número total de grupos do cartão"},
        {"LblNumCartao", "GrbFormato", {8, 66, 0, 0}, "Número de linhas do cartão.............. ", dicaFormato},
        {"EdtNumLinha", "GrbFormato", {220, 61, 21, 24}, "1", ""},
        {"LblNumero", "GrbGrupo", {6, 26, 0, 0}, "Número do grupo", ""},
        {"LblNumInicial", "GrbGrupo", {174, 18, 0, 0}, "Número da linha inicial do grupo.................................", ""},
        {"LblNumFinal", "GrbGrupo", {174, 42, 0, 0}, "Número da linha final do grupo....................................", ""},
        {"LblNome", "GrbGrupo", {6, 58, 0, 0}, "Nome do grupo", ""},
        {"LblDivisao", "GrbGrupo", {6, 114, 0, 0}, "Tipo do grupo", ""},
        {"LblDigito", "GrbGrupo", {190, 84, 0, 0}, "Dígito verificador", ""},
        {"RdgHabilitado", "GrbGrupo", {396, 66, 109, 39}, "Habilitado :",
         "Se o grupo em foco não estiver habilitado os campos deste grupo serão desprezadas"},
        {"SpeNumGrupo", "GrbGrupo", {116, 25, 37, 26}, "", "Número do grupo em foco"},
        {"EdtNome", "GrbGrupo", {6, 81, 171, 24}, "", "Determina o nome do grupo em foco"},
        {"CobDivisao", "GrbGrupo", {100, 114, 389, 24}, "", "Determina o tipo do grupo em foco"},
        {"SpeLinhaFinal", "GrbGrupo", {468, 41, 37, 26}, "", "Determina a linha final do grupo em foco"},
        {"EdtLinhaInicial", "GrbGrupo", {468, 13, 21, 24}, "1", "Determina a linha inicial do grupo em foco"},
        {"Cobdigito", "GrbGrupo", {296, 80, 81, 24}, "", ""},
        {"BitMascara", "GrbMascara", {8, 23, 361, 37}, "&Definir Manualmente os Campos Mascarados",
         "Mascara os campos do cartão cujas informações são irrelevantes"},
    };
    const std::map<std::string, QWidget*> controles{
        {"ImgPelunca", janela->ImgPelunca},       {"GrbCartao", janela->GrbCartao},
        {"RdgLeitura", janela->RdgLeitura},       {"StxConfig", janela->StxConfig},
        {"GrbMascara", janela->GrbMascara},       {"GrbGrupo", janela->GrbGrupo},
        {"GrbArquivo", janela->GrbArquivo},       {"BitAjuda", janela->BitAjuda},
        {"BitFechar", janela->BitFechar},         {"ScrollBox1", janela->ScrollBox1},
        {"LblArquivo", janela->LblArquivo},       {"EdtArquivo", janela->EdtArquivo},
        {"BitNovo", janela->BitNovo},             {"BitAbrir", janela->BitAbrir},
        {"BitSalvar", janela->BitSalvar},         {"GrbSerial", janela->GrbSerial},
        {"CBSerial", janela->CBSerial},           {"GrbFormato", janela->GrbFormato},
        {"LblNumGrupo", janela->LblNumGrupo},     {"SpeMaxGrupo", janela->SpeMaxGrupo},
        {"LblNumCartao", janela->LblNumCartao},   {"EdtNumLinha", janela->EdtNumLinha},
        {"LblNumero", janela->LblNumero},         {"LblNumInicial", janela->LblNumInicial},
        {"LblNumFinal", janela->LblNumFinal},     {"LblNome", janela->LblNome},
        {"LblDivisao", janela->LblDivisao},       {"LblDigito", janela->LblDigito},
        {"RdgHabilitado", janela->RdgHabilitado}, {"SpeNumGrupo", janela->SpeNumGrupo},
        {"EdtNome", janela->EdtNome},             {"CobDivisao", janela->CobDivisao},
        {"SpeLinhaFinal", janela->SpeLinhaFinal}, {"EdtLinhaInicial", janela->EdtLinhaInicial},
        {"Cobdigito", janela->Cobdigito},         {"BitMascara", janela->BitMascara},
    };
    for (const Desenho& d : desenho) {
        SCOPED_TRACE(d.nome);
        QWidget* controle = controles.at(d.nome);
        QWidget* pai = *d.pai ? controles.at(d.pai) : janela.get();
        EXPECT_EQ(controle->parentWidget(), pai);
        EXPECT_EQ(controle->pos(), d.lugar.topLeft());
        if (d.lugar.width() > 0) {
            EXPECT_EQ(controle->size(), d.lugar.size());
        }
        EXPECT_EQ(TextoDe(controle), d.texto);
        if (!d.dica.isEmpty()) {
            EXPECT_EQ(controle->toolTip(), d.dica);
        }
    }
    EXPECT_EQ(janela->Cobdigito->toolTip(), "") << "hints are off for the check-digit list";
    EXPECT_EQ(janela->ImgCartao->parentWidget(), janela->ScrollBox1->viewport());
    EXPECT_EQ(janela->ImgPelunca->pixmap().size(), QSize(380, 60));
    EXPECT_EQ(janela->RdgLeitura->Botao(0)->text(), "&Unidirecional");
    EXPECT_EQ(janela->RdgHabilitado->Botao(1)->text(), "Nã&o");
    EXPECT_EQ(janela->CobDivisao->count(), 11);
    EXPECT_EQ(janela->CobDivisao->itemText(4), "Três divisões de 3 quadrículas (A B C)");
    EXPECT_EQ(janela->CBSerial->itemText(8), "COM 9");
    EXPECT_EQ(janela->Cobdigito->itemText(1), "10 - simp");
}

TEST_F(Inicio, MaximisingLeavesEveryControlInPlace)
{
    AbrirJanela();
    const QRect antes = janela->BitMascara->geometry();
    janela->resize(1600, 1200);
    QApplication::processEvents();
    EXPECT_EQ(janela->BitMascara->geometry(), antes);
    EXPECT_EQ(janela->ScrollBox1->geometry(), QRect(533, 0, 261, 545));
}

TEST_F(Inicio, TheTabOrderRunsFromTheFileBoxThroughThePanelToClose)
{
    AbrirJanela();
    // A radio item counts as its group.
    const auto controle = [](QWidget* w) {
        return qobject_cast<TRadioGroup*>(w->parentWidget()) ? w->parentWidget() : w;
    };
    std::vector<QWidget*> visitados;
    for (int i = 0; i < 14; ++i) {
        visitados.push_back(controle(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const TFrmConfig& j = *janela;
    // SpeNumGrupo is disabled on the first-time card and Cobdigito too: they are skipped.
    const std::vector<QWidget*> esperado{j.BitNovo,    j.BitAbrir,      j.RdgLeitura,    j.CBSerial,
                                         j.SpeMaxGrupo, j.SpeLinhaFinal, j.EdtNome,       j.RdgHabilitado,
                                         j.CobDivisao,  j.ImgCartao,     j.BitMascara,    j.BitAjuda,
                                         j.BitFechar};
    for (std::size_t i = 0; i < esperado.size(); ++i)
        EXPECT_EQ(visitados[i], esperado[i]) << i << " " << visitados[i]->metaObject()->className();
}

}  // namespace
