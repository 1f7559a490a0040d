#pragma once

#include <QStringList>
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

    // The characters of the last text refused, each once, in order: since the box held a valid
    // name before, they are the ones the operator just typed or pasted (QLineEdit::inputRejected).
    const QStringList& Recusados() const { return recusados_; }

private:
    mutable QStringList recusados_;
};
