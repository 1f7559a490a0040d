#include "Plataforma.h"

#include <QFile>

QString ArquivoDoPrograma()
{
    return QStringLiteral("Ortelo");
}

// The system's own bytes, whatever the locale makes of them.
std::string BytesDoCaminho(const QString& caminho)
{
    return QFile::encodeName(caminho).toStdString();
}

QString CaminhoDosBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

void PrepararFontes()
{
    // Liberation Sans is installed with the program.
}
