#include "ModeloArquivosLocal.h"

#include <QFileSystemModel>
#include <QLocale>

ModeloArquivosLocal::ModeloArquivosLocal(QObject* pai)
    : QIdentityProxyModel(pai)
{
}

QVariant ModeloArquivosLocal::data(const QModelIndex& indice, int papel) const
{
    const auto* arquivos = qobject_cast<const QFileSystemModel*>(sourceModel());
    const bool coluna = indice.column() == ColunaTamanho || indice.column() == ColunaData;
    if (papel != Qt::DisplayRole || !arquivos || !coluna)
        return QIdentityProxyModel::data(indice, papel);

    const QModelIndex origem = mapToSource(indice);
    // Folders show no size, as in Qt's own column.
    if (indice.column() == ColunaTamanho)
        return arquivos->isDir(origem) ? QString() : QLocale().formattedDataSize(arquivos->size(origem));
    return QLocale().toString(arquivos->lastModified(origem), QLocale::ShortFormat);
}
