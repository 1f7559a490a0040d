#pragma once

#include <QIdentityProxyModel>

class QDateTime;

// Sits between a file dialog and its file-system model and writes the Size, Type and Date Modified
// columns in the application's locale. Qt writes sizes and dates in the system's locale, which is
// whatever the environment says (often "C"), and names a folder "Folder" whatever the language,
// so a Portuguese program would show "3.24 KiB" and English dates. The names pass through.
class ModeloArquivosLocal : public QIdentityProxyModel {
    Q_OBJECT

public:
    explicit ModeloArquivosLocal(QObject* pai = nullptr);

    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;

    // The columns of the file-system model.
    static constexpr int ColunaTamanho = 1;
    static constexpr int ColunaTipo = 2;
    static constexpr int ColunaData = 3;

    // What the columns show, in the application's locale.
    static QString TextoTamanho(qint64 bytes);
    static QString TextoTipo(bool pasta, const QString& extensao);
    static QString TextoData(const QDateTime& momento);
};
