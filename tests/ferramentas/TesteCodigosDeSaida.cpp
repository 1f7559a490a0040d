// The exit codes of the built program, as a script sees them.

#include "CartoesDeTeste.h"

#include <QProcess>
#include <QStringList>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

int Rodar(const QStringList& argumentos)
{
    QProcess processo;
    processo.start(QStringLiteral(ORTELO_CARTAO), argumentos);
    if (!processo.waitForFinished(-1) || processo.exitStatus() != QProcess::NormalExit)
        return -1;
    return processo.exitCode();
}

TEST(CodigosDeSaida, ZeroOkOneProblemsTwoUsageOrReadError)
{
    PastaDeTeste pasta;
    const QString bom = QString::fromStdString(pasta.Gravar("bom.cfg", CartaoDoEditor()));
    TCartao outro = CartaoDoEditor();
    outro.FormaLeitura = 'U';
    const QString avisado = QString::fromStdString(pasta.Gravar("aviso.cfg", outro));  // also differs from bom
    outro.FormaLeitura = 'X';
    const QString ruim = QString::fromStdString(pasta.Gravar("ruim.cfg", outro));
    const QString falta = QString::fromStdString(pasta.Caminho("falta.cfg"));
    const QString png = QString::fromStdString(pasta.Caminho("c.png"));

    const struct {
        QStringList Argumentos;
        int Codigo;
    } casos[] = {
        {{"--help"}, 0},
        {{}, 2},
        {{"verificar", bom, avisado}, 0},
        {{"verificar", bom, ruim}, 1},
        {{"verificar", ruim, falta}, 2},
        {{"mostrar", bom}, 0},
        {{"mostrar", falta}, 2},
        {{"comparar", bom, bom}, 0},
        {{"comparar", bom, avisado}, 1},
        {{"comparar", bom, falta}, 2},
        {{"desenhar", bom, "-o", png}, 0},
        {{"desenhar", bom, "-o", png, "--escala", "0"}, 2},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(Rodar(caso.Argumentos), caso.Codigo) << caso.Argumentos.join(' ').toStdString();
}

// Typed at a prompt, a name the ANSI code page holds (Questões) and one it cannot hold (Жук)
// reach the program whole; its report, sent to a pipe, names them in UTF-8.
TEST(CodigosDeSaida, NamesReachTheProgramWholeAndItsReportIsUtf8)
{
    PastaDeTeste pasta;
    TCartao avisado = CartaoDoEditor();
    avisado.PortaSerial = 0;
    for (const char* nome : {"Questões.cfg", "Жук.cfg"}) {
        SCOPED_TRACE(nome);
        const std::string caminho = pasta.Caminho(nome);
        GravarArquivoCfg(caminho, avisado);  // the model's own UTF-16 names, whatever the code page
        QProcess processo;
        processo.start(QStringLiteral(ORTELO_CARTAO), {"verificar", QString::fromStdString(caminho)});
        ASSERT_TRUE(processo.waitForFinished(-1));
        EXPECT_EQ(processo.exitCode(), 1) << processo.readAllStandardError().toStdString();
        EXPECT_THAT(processo.readAllStandardOutput().toStdString(), ::testing::HasSubstr(caminho + ":1: "));
    }
}

}  // namespace
