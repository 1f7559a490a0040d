#include "ValidadorNome.h"

#include "Windows1252.h"

namespace {

bool EhControle(char16_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

}  // namespace

ValidadorNome::ValidadorNome(QObject* parent)
    : QValidator(parent)
{
}

bool ValidadorNome::NomeValido(const QString& nome)
{
    for (const QChar c : nome)
        if (EhControle(c.unicode()))
            return false;
    return ParaWindows1252(nome).has_value();
}

QValidator::State ValidadorNome::validate(QString& texto, int& /*posicao*/) const
{
    if (NomeValido(texto))
        return Acceptable;
    recusados_.clear();
    // Whole characters: one beyond U+FFFF is two halves, refused together.
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype tamanho = texto[i].isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QString caractere = texto.mid(i, tamanho);
        if (!NomeValido(caractere) && !recusados_.contains(caractere))
            recusados_.append(caractere);
        i += tamanho;
    }
    // Invalid, not Intermediate: the box then refuses the keystroke or the whole paste.
    return Invalid;
}
