// Qt's file dialog as the window builds it: Portuguese texts, sizes, types and dates with the
// system's locale left as the environment set it, and no column cut off.

#include "DialogoArquivoQt.h"
#include "Idioma.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

TEST(DialogoArquivo, ShowsPortugueseSizesTypesAndDatesInColumnsWideEnoughForThem)
{
    QStandardPaths::setTestModeEnabled(true);  // Qt keeps the dialog's state in a settings file
    UsarPortuguesDoBrasil();

    QTemporaryDir pasta;
    QDir(pasta.path()).mkdir("sub");
    QFile arquivo(pasta.filePath("prova.cfg"));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(QByteArray(3320, '0'));
    ASSERT_TRUE(arquivo.flush());
    ASSERT_TRUE(arquivo.setFileTime(QDateTime(QDate(2026, 11, 3), QTime(9, 5)), QFileDevice::FileModificationTime));
    arquivo.close();

    const TDialogoArquivo propriedades{"Abrir Arquivo de Configuração", "Configuração (*.cfg)", "cfg", pasta.path(),
                                       "*.cfg"};
    const auto dialogo = CriarDialogoArquivo(nullptr, propriedades, QFileDialog::AcceptOpen, TipoDialogo::DoQt);
    EXPECT_EQ(dialogo->locale().name(), "pt_BR");

    auto* modelo = dialogo->proxyModel();
    ASSERT_NE(modelo, nullptr);
    auto* arquivos = qobject_cast<QFileSystemModel*>(modelo->sourceModel());
    ASSERT_NE(arquivos, nullptr);
    QSignalSpy carregada(arquivos, &QFileSystemModel::directoryLoaded);
    dialogo->show();
    ASSERT_TRUE(carregada.wait());

    const auto linha = [&](const QString& nome) {
        const QModelIndex indice = modelo->mapFromSource(arquivos->index(pasta.filePath(nome)));
        QStringList colunas;
        for (int c = 1; c < 4; ++c)
            colunas << indice.siblingAtColumn(c).data().toString();
        return colunas;
    };
    EXPECT_EQ(linha("prova.cfg"), (QStringList{"3,24 KiB", "Arquivo cfg", "03/11/2026 09:05"}));
    EXPECT_EQ(linha("sub").mid(0, 2), (QStringList{"", "Pasta"}));

    QAbstractItemView* detalhes = dialogo->findChild<QTreeView*>("treeView");
    ASSERT_NE(detalhes, nullptr);
    ASSERT_TRUE(detalhes->isVisible());
    QHeaderView* cabecalho = static_cast<QTreeView*>(detalhes)->header();
    const QStringList titulos{"Nome", "Tamanho", "Tipo", "Data de modificação"};
    int total = 0;
    for (int c = 0; c < cabecalho->count(); ++c) {
        EXPECT_EQ(modelo->headerData(c, Qt::Horizontal).toString(), titulos.value(c));
        EXPECT_GE(cabecalho->sectionSize(c), cabecalho->sectionSizeHint(c)) << "header " << c;
        EXPECT_GE(cabecalho->sectionSize(c), detalhes->sizeHintForColumn(c)) << "contents " << c;
        total += cabecalho->sectionSize(c);
    }
    EXPECT_LE(total, detalhes->viewport()->width()) << "every column in view";
}

}  // namespace
