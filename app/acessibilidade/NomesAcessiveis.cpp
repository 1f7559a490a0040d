// What a screen reader says of each control: its caption or its label as the operator reads it,
// and its hint as the description.

#include "TFrmConfig.h"

#include "TComboBox.h"
#include "TEdit.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Textos.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include <utility>

namespace {

// A caption as it is spoken: without the accelerator marks ("&&" is a real "&") and without the
// leader dots, colon and blanks that only line it up on screen.
QString NomeFalado(const QString& legenda)
{
    QString nome;
    for (qsizetype i = 0; i < legenda.size(); ++i) {
        if (legenda[i] == QLatin1Char('&') && ++i == legenda.size())
            break;
        nome += legenda[i];
    }
    const auto enchimento = [](QChar c) { return c.isSpace() || c == QLatin1Char('.') || c == QLatin1Char(':'); };
    while (!nome.isEmpty() && enchimento(nome.back()))
        nome.chop(1);
    return nome;
}

}  // namespace

void TFrmConfig::DefinirNomesAcessiveis()
{
    for (QLabel* rotulo : {StxPelunca, StxConfig, StxPrograma, LblNumero, LblNumInicial, LblNumFinal, LblNome,
                           LblDivisao, LblNumGrupo, LblNumCartao, LblArquivo, LblDigito})
        rotulo->setAccessibleName(NomeFalado(rotulo->text()));
    ImgPelunca->setAccessibleName(Textos::LogotipoPelunca);

    for (QGroupBox* caixa : {GrbCartao, GrbMascara, GrbGrupo, GrbFormato, GrbArquivo, GrbSerial,
                             static_cast<QGroupBox*>(RdgLeitura), static_cast<QGroupBox*>(RdgHabilitado)})
        caixa->setAccessibleName(NomeFalado(caixa->title()));

    // A box for a value is named by the label beside it, which is also its buddy: the
    // accessibility bridge then tells the two belong together.
    const std::pair<QWidget*, QLabel*> rotulados[] = {
        {EdtArquivo, LblArquivo},       {SpeMaxGrupo, LblNumGrupo}, {EdtNumLinha, LblNumCartao},
        {SpeNumGrupo, LblNumero},       {EdtLinhaInicial, LblNumInicial}, {SpeLinhaFinal, LblNumFinal},
        {EdtNome, LblNome},             {Cobdigito, LblDigito},     {CobDivisao, LblDivisao},
    };
    for (const auto& [controle, rotulo] : rotulados) {
        rotulo->setBuddy(controle);
        controle->setAccessibleName(rotulo->accessibleName());
    }
    CBSerial->setAccessibleName(GrbSerial->accessibleName());
    ScrollBox1->setAccessibleName(Textos::NomeDesenho);

    // Buttons keep Qt's own name, their caption without the "&": it follows the mask button's
    // caption as it changes.

    // Hints become descriptions; a radio item shows its group's hint, so it tells it too.
    for (QWidget* controle : findChildren<QWidget*>())
        if (controle->accessibleDescription().isEmpty() && !controle->toolTip().isEmpty())
            controle->setAccessibleDescription(controle->toolTip());
    for (TRadioGroup* grupo : {RdgLeitura, RdgHabilitado})
        for (int i = 0; grupo->Botao(i); ++i)
            grupo->Botao(i)->setAccessibleDescription(grupo->toolTip());
}
