#include "Plataforma.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>

#include <windows.h>
#include <shellapi.h>

QString ArquivoDoPrograma()
{
    return QStringLiteral("Ortelo.exe");
}

// The system's own UTF-16 arguments: main's are in the ANSI code page, which cannot hold every
// name a folder may have.
QStringList ArgumentosDoSistema(int, char**)
{
    QStringList argumentos;
    int quantos = 0;
    if (wchar_t** lista = ::CommandLineToArgvW(::GetCommandLineW(), &quantos)) {
        for (int i = 1; i < quantos; ++i)
            argumentos.append(QString::fromWCharArray(lista[i]));
        ::LocalFree(lista);
    }
    return argumentos;
}

QString CaminhoAbsoluto(const QString& caminho)
{
    return QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
}

bool EhPasta(const QString& caminho)
{
    return QFileInfo(caminho).isDir();
}

// Names are UTF-16 here, which the address's UTF-8 escapes hold whole; the drive letter loses the
// address's leading slash.
QString CaminhoDoEndereco(const QUrl& endereco)
{
    return endereco.toLocalFile();
}

void PrepararFontes()
{
    // Arial has Liberation Sans's metrics, so every label stays where it is placed.
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("Arial"));
}
