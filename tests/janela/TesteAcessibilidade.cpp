// What assistive technology learns of the window: every control's name, role and description,
// the card picture's cursor cell, and the events that announce the cell's changes.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "DescricaoCelula.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include <utility>

namespace {

struct ControleEsperado {
    const char* Campo;
    QWidget* (*Controle)(TFrmConfig&);
    QString Nome;
    QAccessible::Role Papel;
};

#define CONTROLE(campo) #campo, [](TFrmConfig& j) -> QWidget* { return j.campo; }

// Every one of the 41 named controls that is a widget (the two file dialogs are not), in
// declaration order.
const ControleEsperado Controles[] = {
    {CONTROLE(RdgLeitura), "Forma de leitura", QAccessible::Grouping},
    {CONTROLE(ImgPelunca), "Logotipo da Pelunca", QAccessible::Graphic},
    {CONTROLE(StxPelunca), "Pelunca Leitoras Ópticas", QAccessible::StaticText},
    {CONTROLE(StxConfig), "Ortelo", QAccessible::StaticText},
    {CONTROLE(StxPrograma), "Configuração dos cartões da leitora óptica de marcas", QAccessible::StaticText},
    {CONTROLE(GrbCartao), "Configuração da Leitora e do Cartão", QAccessible::Grouping},
    {CONTROLE(GrbMascara), "Máscara do Cartão", QAccessible::Grouping},
    {CONTROLE(GrbGrupo), "Estrutura do Grupo", QAccessible::Grouping},
    {CONTROLE(LblNumero), "Número do grupo", QAccessible::StaticText},
    {CONTROLE(LblNumInicial), "Número da linha inicial do grupo", QAccessible::StaticText},
    {CONTROLE(LblNumFinal), "Número da linha final do grupo", QAccessible::StaticText},
    {CONTROLE(SpeNumGrupo), "Número do grupo", QAccessible::SpinBox},
    {CONTROLE(LblNome), "Nome do grupo", QAccessible::StaticText},
    {CONTROLE(EdtNome), "Nome do grupo", QAccessible::EditableText},
    {CONTROLE(LblDivisao), "Tipo do grupo", QAccessible::StaticText},
    {CONTROLE(GrbFormato), "Formato do Cartão", QAccessible::Grouping},
    {CONTROLE(LblNumGrupo), "Número de grupos do cartão", QAccessible::StaticText},
    {CONTROLE(LblNumCartao), "Número de linhas do cartão", QAccessible::StaticText},
    {CONTROLE(CobDivisao), "Tipo do grupo", QAccessible::ComboBox},
    {CONTROLE(GrbArquivo), "Arquivo da Configuração", QAccessible::Grouping},
    {CONTROLE(LblArquivo), "Arquivo atual", QAccessible::StaticText},
    {CONTROLE(EdtArquivo), "Arquivo atual", QAccessible::EditableText},
    {CONTROLE(BitAbrir), "Abrir", QAccessible::Button},
    {CONTROLE(BitSalvar), "Salvar...", QAccessible::Button},
    {CONTROLE(BitNovo), "Novo", QAccessible::Button},
    {CONTROLE(BitMascara), "Definir Manualmente os Campos Mascarados", QAccessible::Button},
    {CONTROLE(SpeMaxGrupo), "Número de grupos do cartão", QAccessible::SpinBox},
    {CONTROLE(SpeLinhaFinal), "Número da linha final do grupo", QAccessible::SpinBox},
    {CONTROLE(EdtLinhaInicial), "Número da linha inicial do grupo", QAccessible::EditableText},
    {CONTROLE(RdgHabilitado), "Habilitado", QAccessible::Grouping},
    {CONTROLE(BitAjuda), "Ajuda", QAccessible::Button},
    {CONTROLE(BitFechar), "Fechar", QAccessible::Button},
    {CONTROLE(EdtNumLinha), "Número de linhas do cartão", QAccessible::EditableText},
    {CONTROLE(LblDigito), "Dígito verificador", QAccessible::StaticText},
    {CONTROLE(Cobdigito), "Dígito verificador", QAccessible::ComboBox},
    {CONTROLE(ScrollBox1), "Desenho do cartão", QAccessible::Client},
    {CONTROLE(ImgCartao), "Linha 1, coluna 1, grupo 1: lida", QAccessible::Graphic},
    {CONTROLE(GrbSerial), "Porta serial", QAccessible::Grouping},
    {CONTROLE(CBSerial), "Porta serial", QAccessible::ComboBox},
};

#undef CONTROLE

QString Texto(QObject* objeto, QAccessible::Text tipo)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(objeto);
    return interface ? interface->text(tipo) : QStringLiteral("(sem interface)");
}

class Acessibilidade : public JanelaTeste {
protected:
    void SetUp() override { AbrirJanela(); }
};

// The name a screen reader gives a control. A list's accessible name on Linux is its chosen
// entry; the reader takes the list's name from the labels related to it.
QStringList NomesFalados(QAccessibleInterface* interface)
{
    if (interface->role() != QAccessible::ComboBox)
        return {interface->text(QAccessible::Name)};
    QStringList nomes;
    for (const auto& [rotulo, relacao] : interface->relations(QAccessible::Label))
        nomes << rotulo->text(QAccessible::Name);
    return nomes;
}

TEST_F(Acessibilidade, EveryControlHasItsCaptionOrLabelAsNameItsRoleAndItsHintAsDescription)
{
    ASSERT_EQ(std::size(Controles), 39u);
    for (const ControleEsperado& esperado : Controles) {
        QWidget* controle = esperado.Controle(*janela);
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(controle);
        ASSERT_NE(interface, nullptr) << esperado.Campo;
        EXPECT_TRUE(NomesFalados(interface).contains(esperado.Nome))
            << esperado.Campo << ": " << NomesFalados(interface).join(" | ").toStdString();
        EXPECT_EQ(interface->role(), esperado.Papel) << esperado.Campo;
        if (!controle->toolTip().isEmpty()) {
            EXPECT_EQ(interface->text(QAccessible::Description).toStdString(), controle->toolTip().toStdString())
                << esperado.Campo;
        }
    }
    // Its hint is not shown, but read.
    EXPECT_EQ(Texto(janela->Cobdigito, QAccessible::Description),
              "Define o tipo de verificação a ser feita no campo da inscrição");
    // The items of a radio group show the group's hint, and tell it too.
    for (TRadioGroup* grupo : {janela->RdgLeitura, janela->RdgHabilitado})
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(Texto(grupo->Botao(i), QAccessible::Description), grupo->toolTip()) << i;
    EXPECT_EQ(Texto(janela->RdgHabilitado->Botao(1), QAccessible::Name), "Não");
}

// The picture's name is its cursor cell, after a move, a toggle or a redraw alike. (The events
// that announce it reach no listener on the offscreen platform, which has no accessibility
// bridge; the test of the running program over the accessibility bus checks them.)
TEST_F(Acessibilidade, ThePictureIsNamedAfterItsCursorCell)
{
    SetaParaCima(janela->SpeMaxGrupo);  // group 2 on line 2
    Clicar(janela->BitMascara);
    TImagemCartao* desenho = janela->ImgCartao;
    Focar(janela->CobDivisao);
    QTest::keyClick(janela->CobDivisao, Qt::Key_Tab);
    const std::pair<Qt::Key, QString> passos[] = {
        {Qt::Key_Down, "Linha 2, coluna 1, grupo 2: lida"},
        {Qt::Key_Right, "Linha 2, coluna 2, grupo 2: lida"},
        {Qt::Key_Space, "Linha 2, coluna 2, grupo 2: ignorada"},
        {Qt::Key_Down, "Linha 2, coluna 2, grupo 2: ignorada"},
    };
    for (const auto& [tecla, nome] : passos) {
        QTest::keyClick(desenho, tecla);
        EXPECT_EQ(Texto(desenho, QAccessible::Name).toStdString(), nome.toStdString());
    }
    SetaParaCima(janela->SpeNumGrupo);
    Clicar(janela->RdgHabilitado->Botao(1));
    Clicar(janela->RdgHabilitado->Botao(0));  // enabling the group reads all its cells again
    EXPECT_EQ(Texto(desenho, QAccessible::Name), "Linha 2, coluna 2, grupo 2: lida");
    EXPECT_EQ(Texto(desenho, QAccessible::Description),
              "As setas, Home, End, Page Up e Page Down movem o cursor; Espaço e Shift+Espaço agem como os "
              "cliques do mouse na posição do cursor");
}

TEST(DescricaoCelula, SaysLineColumnGroupAndWhetherTheCellIsRead)
{
    TCartao cartao;
    IniciarPadroes(cartao);
    cartao.NumGrupos = 3;
    cartao.Grupos[1] = TGrupo{"", 1, 10, 0, 1};
    cartao.Grupos[2] = TGrupo{"", 11, 20, 4, 0};
    cartao.Grupos[3] = TGrupo{"", 25, 30, 0, 1};  // a gap before it, as only a file can hold
    cartao.Grupos[4] = TGrupo{"", 31, 40, 0, 1};  // beyond NumGrupos: not a group
    cartao.Mascara[IndiceCelula(12, 3)] = Mascarado;
    cartao.Mascara[IndiceCelula(26, 12)] = 'x';
    const std::pair<std::pair<int, int>, QString> casos[] = {
        {{1, 1}, "Linha 1, coluna 1, grupo 1: lida"},
        {{12, 3}, "Linha 12, coluna 3, grupo 2: ignorada"},
        {{12, 4}, "Linha 12, coluna 4, grupo 2: lida"},
        {{26, 12}, "Linha 26, coluna 12, grupo 3: ignorada"},  // the reader reads only "0"
        {{22, 5}, "Linha 22, coluna 5: fora dos grupos"},
        {{35, 1}, "Linha 35, coluna 1: fora dos grupos"},
        {{90, 12}, "Linha 90, coluna 12: fora dos grupos"},
        {{91, 1}, "Linha 91, coluna 1: fora dos grupos"},
        {{5, 13}, "Linha 5, coluna 13: fora dos grupos"},
    };
    for (const auto& [celula, esperado] : casos)
        EXPECT_EQ(DescreverCelula(cartao, celula.first, celula.second).toStdString(), esperado.toStdString());

    cartao.NumGrupos = 99;  // a table of ten groups, whatever the count says
    EXPECT_EQ(DescreverCelula(cartao, 35, 1), "Linha 35, coluna 1, grupo 4: lida");
}

}  // namespace
