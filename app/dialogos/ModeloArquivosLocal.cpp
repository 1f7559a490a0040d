#include "ModeloArquivosLocal.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

ModeloArquivosLocal::ModeloArquivosLocal(QObject* pai)
    : QIdentityProxyModel(pai)
{
}

QString ModeloArquivosLocal::TextoTamanho(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes);
}

QString ModeloArquivosLocal::TextoTipo(bool pasta, const QString& extensao)
{
    if (pasta)
        return QStringLiteral("Pasta");
    return extensao.isEmpty() ? QStringLiteral("Arquivo") : QStringLiteral("Arquivo %1").arg(extensao);
}

QString ModeloArquivosLocal::TextoData(const QDateTime& momento)
{
    return QLocale().toString(momento, QLocale::ShortFormat);
}

QVariant ModeloArquivosLocal::data(const QModelIndex& indice, int papel) const
{
    const auto* arquivos = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (papel != Qt::DisplayRole || !arquivos)
        return QIdentityProxyModel::data(indice, papel);

    const QModelIndex origem = mapToSource(indice);
    switch (indice.column()) {
    case ColunaTamanho:
        // Folders show no size, as in Qt's own column.
        return arquivos->isDir(origem) ? QString() : TextoTamanho(arquivos->size(origem));
    case ColunaTipo:
        return TextoTipo(arquivos->isDir(origem), arquivos->fileInfo(origem).suffix());
    case ColunaData:
        return TextoData(arquivos->lastModified(origem));
    default:
        return QIdentityProxyModel::data(indice, papel);
    }
}
