// What the program takes from the system: the style the window tests run in, the message boxes'
// font, and file dialogs of either kind carrying every property the window gives them.

#include "AparenciaDoSistema.h"
#include "CaixaSimNao.h"
#include "DialogoArquivoQt.h"
#include "JanelaTeste.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AparenciaDoSistema, TheProgramsStyleIsLoaded)
{
    EXPECT_EQ(QApplication::style()->name().toLower(), EstiloDoSistema().toLower());
}

using MensagensDoSistema = JanelaTeste;

// After the window is built, whose construction sets the application's font and so drops Qt's
// fonts by class.
TEST_F(MensagensDoSistema, TheQuestionIsWrittenInTheSystemsMessageFont)
{
    AbrirJanela();
    if (const std::optional<QFont> sistema = FonteDasMensagensDoSistema()) {
        EXPECT_TRUE(QFontDatabase::families().contains(sistema->family())) << sistema->family().toStdString();
    }
    const CaixaSimNao caixa(QStringLiteral("O arquivo não foi salvo. Salvar antes de sair?"), janela.get());
    caixa.ensurePolished();
    EXPECT_EQ(caixa.font(), FonteDasMensagens());
    EXPECT_NE(caixa.font(), janela->font()) << "the window's own font is not the message boxes'";
}

TEST(AparenciaDoSistema, BothKindsOfFileDialogCarryEveryProperty)
{
    QStandardPaths::setTestModeEnabled(true);  // Qt keeps the dialog's state in a settings file
    QTemporaryDir pasta;
    const struct {
        TipoDialogo tipo;
        QFileDialog::AcceptMode modo;
        bool confirmar;
    } casos[] = {
        {TipoDialogo::DoQt, QFileDialog::AcceptOpen, false},
        {TipoDialogo::DoQt, QFileDialog::AcceptSave, true},
        {TipoDialogo::DoSistema, QFileDialog::AcceptOpen, false},
        {TipoDialogo::DoSistema, QFileDialog::AcceptSave, true},
    };
    for (const auto& caso : casos) {
        const bool doQt = caso.tipo == TipoDialogo::DoQt;
        SCOPED_TRACE(std::string(doQt ? "Qt's " : "the system's ") + (caso.confirmar ? "save" : "open"));
        TDialogoArquivo propriedades{"Salvar Arquivo", "Configuração (*.cfg)", "cfg", pasta.path(), "*.cfg"};
        propriedades.ConfirmarSubstituicao = caso.confirmar;
        const auto dialogo = CriarDialogoArquivo(nullptr, propriedades, caso.modo, caso.tipo);

        EXPECT_EQ(dialogo->testOption(QFileDialog::DontUseNativeDialog), doQt);
        EXPECT_EQ(dialogo->proxyModel() != nullptr, doQt) << "the local model is Qt's dialog's";
        EXPECT_EQ(dialogo->windowTitle(), "Salvar Arquivo");
        EXPECT_EQ(dialogo->nameFilters(), QStringList{"Configuração (*.cfg)"});
        EXPECT_EQ(dialogo->defaultSuffix(), "cfg");
        EXPECT_EQ(dialogo->directory().absolutePath(), QDir(pasta.path()).absolutePath());
        EXPECT_EQ(dialogo->acceptMode(), caso.modo);
        EXPECT_EQ(dialogo->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialogo->testOption(QFileDialog::DontConfirmOverwrite), !caso.confirmar);
        EXPECT_EQ(dialogo->selectedFiles(), QStringList{QDir(pasta.path()).filePath("*.cfg")});
    }
}

}  // namespace
