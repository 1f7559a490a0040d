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
    // Invalid, not Intermediate: the box then refuses the keystroke or the whole paste.
    return NomeValido(texto) ? Acceptable : Invalid;
}
