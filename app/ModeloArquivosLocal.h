#pragma once

#include <QIdentityProxyModel>

// Sits between a file dialog and its file-system model and writes the Size and Date Modified
// columns in the application's locale. Qt writes them in the system's locale, which is whatever
// the environment says (often "C"), so a Portuguese program would show "3.24 KiB" and English
// dates. Everything else passes through.
class ModeloArquivosLocal : public QIdentityProxyModel {
    Q_OBJECT

public:
    explicit ModeloArquivosLocal(QObject* pai = nullptr);

    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;

    // The columns of the file-system model.
    static constexpr int ColunaTamanho = 1;
    static constexpr int ColunaData = 3;
};
