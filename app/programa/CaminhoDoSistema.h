#pragma once

#include <QByteArray>
#include <QString>

// File names are the system's bytes and need not be valid UTF-8 (a name written as Latin-1,
// "caf\xE9.cfg"). Qt decodes such a byte as U+FFFD, which names another file. These keep every
// byte: valid UTF-8 reads as its text, and each other byte as the lone surrogate U+DC80 + byte,
// which no valid text holds, so the bytes come back exactly.

QString CaminhoDeBytes(const QByteArray& bytes);
QByteArray BytesDoCaminho(const QString& caminho);

// The name as the operator reads it: each byte that is not text shows as U+FFFD.
QString CaminhoParaMostrar(const QString& caminho);
