#include "ValidadorNome.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Caractere(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

// The group-name box as the window builds it.
struct CaixaDeNome {
    QLineEdit caixa;
    CaixaDeNome() { caixa.setValidator(new ValidadorNome(&caixa)); }

    void Digitar(const QString& texto)
    {
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texto);
        QApplication::sendEvent(&caixa, &tecla);
    }

    void Colar(const QString& texto)
    {
        QApplication::clipboard()->setText(texto);
        caixa.paste();
    }
};

}  // namespace

TEST(ValidadorNome, AceitaTextoQueWindows1252Guarda)
{
    for (const QString& nome : {QString(), QString("Inscrição"),
                                QString("Questão nº 3 – € 10,00"),
                                QString("Œuvre “ÿ” ß ©"), QString("   ")})
        EXPECT_TRUE(ValidadorNome::NomeValido(nome)) << nome.toStdString();
}

TEST(ValidadorNome, RecusaCaracteresForaDoWindows1252)
{
    for (const char32_t c : {U'Ł', U'中', U'😀', U'\u0080', U'\u2028', U'\uFFFD'})
        EXPECT_FALSE(ValidadorNome::NomeValido("Grupo " + Caractere(c))) << int(c);
}

TEST(ValidadorNome, RecusaQuebraDeLinhaEControles)
{
    for (const char32_t c : {U'\n', U'\r', U'\x1A', U'\t', U'\0', U'\x7F', U'\u0081', U'\u009D'})
        EXPECT_FALSE(ValidadorNome::NomeValido("Grupo" + Caractere(c))) << int(c);
}

TEST(ValidadorNome, CaixaRecusaDigitarOQueNaoPodeGuardar)
{
    CaixaDeNome nome;
    nome.Digitar("N");
    nome.Digitar("ã");
    nome.Digitar("€");
    nome.Digitar("Ł");
    nome.Digitar("中");
    nome.Digitar(QString("\x1A"));
    EXPECT_EQ(nome.caixa.text(), "Nã€");
}

TEST(ValidadorNome, CaixaRecusaColarQuebraDeLinha)
{
    CaixaDeNome nome;
    nome.caixa.setText("Matrícula");
    nome.caixa.setCursorPosition(9);

    nome.Colar("Linha 1\nLinha 2");
    EXPECT_EQ(nome.caixa.text(), "Matrícula");
    nome.Colar("Nome\r\n");
    EXPECT_EQ(nome.caixa.text(), "Matrícula");
    nome.Colar(QString("fim") + QChar(0x1A));
    EXPECT_EQ(nome.caixa.text(), "Matrícula");
    nome.Colar("Łódź");
    EXPECT_EQ(nome.caixa.text(), "Matrícula");

    nome.Colar(" do Aluno");
    EXPECT_EQ(nome.caixa.text(), "Matrícula do Aluno");
}
