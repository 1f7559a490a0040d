// Each control of the window, in the style the program runs with, shows its caption, its value
// or its entries whole inside the part of its box the style leaves for them, no control covers a
// group's title, and each box lies inside the box that holds it. This decides whether a style can
// be the program's: the window's places are fixed, so the style's frames, arrows, indicators and
// titles must leave room in them.

#include "JanelaTeste.h"
#include "TEdit.h"
#include "TSpinEdit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QRegularExpression>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

std::string Nome(const QWidget* controle)
{
    const QString nome = controle->objectName();
    return (nome.isEmpty() ? QString::fromLatin1(controle->metaObject()->className()) : nome).toStdString() + " in " +
           QApplication::style()->name().toStdString();
}

// As Qt lays a caption out: its advance, without the accelerator's '&'.
QSize TamanhoDoTexto(const QWidget* controle, const QString& texto)
{
    QString semMarca = texto;
    semMarca.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return {controle->fontMetrics().horizontalAdvance(semMarca), controle->fontMetrics().height()};
}

// The caption with its picture, 4 pixels apart as Qt draws them.
void VerBotao(const QPushButton* botao)
{
    QStyleOptionButton opcao;
    opcao.initFrom(botao);
    opcao.text = botao->text();
    opcao.icon = botao->icon();
    opcao.iconSize = botao->iconSize();
    if (botao->autoDefault())
        opcao.features |= QStyleOptionButton::AutoDefaultButton;
    if (botao->isDefault())
        opcao.features |= QStyleOptionButton::DefaultButton;
    const QRect conteudo = botao->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, botao);
    const QSize texto = TamanhoDoTexto(botao, botao->text());
    const QSize figura = botao->icon().isNull() ? QSize(-4, 0) : botao->iconSize();
    EXPECT_GE(conteudo.width(), texto.width() + figura.width() + 4);
    EXPECT_GE(conteudo.height(), std::max(texto.height(), figura.height()));
}

void VerItemRadio(const QRadioButton* item)
{
    QStyleOptionButton opcao;
    opcao.initFrom(item);
    opcao.text = item->text();
    const QRect conteudo = item->style()->subElementRect(QStyle::SE_RadioButtonContents, &opcao, item);
    const QSize texto = TamanhoDoTexto(item, item->text());
    EXPECT_GE(conteudo.width(), texto.width());
    EXPECT_GE(conteudo.height(), texto.height());
}

// Every entry, each shown in turn in the field beside the arrow.
void VerLista(const QComboBox* lista)
{
    QStyleOptionComboBox opcao;
    opcao.initFrom(lista);
    opcao.editable = lista->isEditable();
    opcao.frame = lista->hasFrame();
    opcao.subControls = QStyle::SC_All;
    const QRect campo = lista->style()->subControlRect(QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxEditField, lista);
    int maisLarga = 0;
    for (int i = 0; i < lista->count(); ++i)
        maisLarga = std::max(maisLarga, lista->fontMetrics().horizontalAdvance(lista->itemText(i)));
    EXPECT_GE(campo.width(), maisLarga);
    EXPECT_GE(campo.height(), lista->fontMetrics().height());
}

// Where a line edit draws its text: inside its frame and its text margins (Qt's own two pixels
// each side are scrolled into by a text that needs them).
QRect AreaDoTexto(const QLineEdit* edicao)
{
    QStyleOptionFrame opcao;
    opcao.initFrom(edicao);
    opcao.lineWidth = edicao->hasFrame() ? edicao->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, edicao) : 0;
    opcao.state |= QStyle::State_Sunken;
    const QRect conteudo = edicao->style()->subElementRect(QStyle::SE_LineEditContents, &opcao, edicao);
    const QMargins margens = edicao->textMargins();
    return conteudo.marginsRemoved(margens);
}

void VerGrupo(const QGroupBox* grupo)
{
    QStyleOptionGroupBox opcao;
    opcao.initFrom(grupo);
    opcao.text = grupo->title();
    opcao.lineWidth = 1;
    opcao.textAlignment = grupo->alignment();
    opcao.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect titulo = grupo->style()->subControlRect(QStyle::CC_GroupBox, &opcao, QStyle::SC_GroupBoxLabel, grupo);
    EXPECT_LE(titulo.right(), grupo->rect().right()) << "its title";
    // The title's line of text, from the top of the style's place for it.
    const QRect linha(titulo.topLeft(), QSize(titulo.width(), grupo->fontMetrics().height()));
    for (const QWidget* filho : grupo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (filho->isVisibleTo(grupo)) {
            EXPECT_FALSE(filho->geometry().intersects(linha))
                << Nome(filho) << " covers the title \"" << grupo->title().toStdString() << "\"";
        }
}

using ControlesNoLugar = JanelaTeste;

TEST_F(ControlesNoLugar, EveryControlShowsItsContentsWholeInsideItsBox)
{
    AbrirJanela();
    // The boxes of numbers show up to line 90 and group 10: their digits' ink, which a box one
    // pixel short of the advance scrolls into view whole.
    std::map<const QWidget*, QString> numeros;
    numeros[janela->EdtNumLinha] = numeros[janela->EdtLinhaInicial] = numeros[janela->SpeLinhaFinal] = "90";
    numeros[janela->SpeMaxGrupo] = numeros[janela->SpeNumGrupo] = "10";
    int vistos = 0;
    for (QWidget* controle : janela->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractSpinBox*>(controle->parentWidget()) ||
            qobject_cast<QComboBox*>(controle->parentWidget()) || !controle->isVisibleTo(janela.get()))
            continue;
        SCOPED_TRACE(Nome(controle));
        if (auto* botao = qobject_cast<QPushButton*>(controle)) {
            VerBotao(botao);
        } else if (auto* item = qobject_cast<QRadioButton*>(controle)) {
            VerItemRadio(item);
        } else if (auto* lista = qobject_cast<QComboBox*>(controle)) {
            VerLista(lista);
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(controle)) {
            const QLineEdit* campo = spin->findChild<QLineEdit*>();
            ASSERT_NE(campo, nullptr);
            EXPECT_TRUE(spin->rect().contains(campo->geometry())) << "the field beside the arrows";
            EXPECT_GE(AreaDoTexto(campo).width(), campo->fontMetrics().tightBoundingRect(numeros.at(spin)).width());
            EXPECT_GE(AreaDoTexto(campo).height(), campo->fontMetrics().height());
        } else if (auto* edicao = qobject_cast<QLineEdit*>(controle)) {
            EXPECT_GE(AreaDoTexto(edicao).height(), edicao->fontMetrics().height());
            if (numeros.count(edicao)) {
                EXPECT_GE(AreaDoTexto(edicao).width(), edicao->fontMetrics().tightBoundingRect(numeros.at(edicao)).width());
            }
        } else if (auto* grupo = qobject_cast<QGroupBox*>(controle)) {
            VerGrupo(grupo);
        } else {
            continue;
        }
        ++vistos;
        EXPECT_TRUE(controle->parentWidget()->rect().contains(controle->geometry()))
            << "inside " << Nome(controle->parentWidget());
    }
    EXPECT_GE(vistos, 25);
}

}  // namespace
