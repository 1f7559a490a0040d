// What assistive technology learns of the window: every control's name, role and description,
// the card picture's cursor cell, and the events that announce the cell's changes.

#include "JanelaTeste.h"

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

#include <vector>

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

class Acessibilidade : public JanelaTeste {
protected:
    void SetUp() override { AbrirJanela(); }

    static QString Texto(QObject* objeto, QAccessible::Text tipo)
    {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(objeto);
        return interface ? interface->text(tipo) : QStringLiteral("(sem interface)");
    }
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
        if (!controle->toolTip().isEmpty())
            EXPECT_EQ(interface->text(QAccessible::Description).toStdString(), controle->toolTip().toStdString())
                << esperado.Campo;
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

TEST_F(Acessibilidade, TheMaskButtonIsReadWithItsCurrentCaption)
{
    Clicar(janela->BitMascara);
    EXPECT_EQ(Texto(janela->BitMascara, QAccessible::Name), "Click Aqui Quando Terminar a seleção");
}

}  // namespace
