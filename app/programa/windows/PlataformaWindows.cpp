#include "Plataforma.h"

#include <QFont>

QString ArquivoDoPrograma()
{
    return QStringLiteral("Ortelo.exe");
}

// UTF-8, which the files below the window turn into the system's UTF-16: the ANSI code page
// that QFile::encodeName uses here cannot hold every name a folder may have.
std::string BytesDoCaminho(const QString& caminho)
{
    return caminho.toStdString();
}

QString CaminhoDosBytes(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

void PrepararFontes()
{
    // Arial has Liberation Sans's metrics, so every label stays where it is placed.
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("Arial"));
}
