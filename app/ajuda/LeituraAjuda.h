#pragma once

// Checks a help file before the viewer shows it, so that a missing, odd or oversized file gets a
// clear message instead of an empty page, a blocked read or a freeze.

#include <QString>
#include <QtGlobal>

struct TVerificacaoAjuda {
    bool Legivel = false;
    QString Mensagem;  // why the file cannot be shown, in Portuguese; empty when Legivel
};

// Our help file is a few dozen kilobytes; anything this large is not it.
constexpr qint64 TamanhoMaximoAjuda = 8 * 1024 * 1024;

TVerificacaoAjuda VerificarArquivoAjuda(const QString& caminhoArquivo);
