#pragma once

#include <QValidator>

// Guards the group-name box: a name is written as one line of Windows-1252 text, so the box
// takes only characters that Windows-1252 can store and no control character (line breaks,
// 0x1A, tabs, the C1 range of the five undefined bytes). Typed and pasted text alike.
class ValidadorNome : public QValidator {
    Q_OBJECT

public:
    explicit ValidadorNome(QObject* parent = nullptr);

    static bool NomeValido(const QString& nome);

    State validate(QString& texto, int& posicao) const override;
};
