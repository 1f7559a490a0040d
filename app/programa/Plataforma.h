#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// What the window needs to know of the system it runs on; one implementation per platform.
// Paths travel as QString with their bytes kept (see CaminhoDoSistema.h).

// The program's own file, looked for in the current directory to find the program's folder.
QString ArquivoDoPrograma();

// The arguments after the program's name, as the system gave them.
QStringList ArgumentosDoSistema(int argc, char** argv);

// A path made absolute from the current folder, with "." and ".." taken out.
QString CaminhoAbsoluto(const QString& caminho);

bool EhPasta(const QString& caminho);

// The path of a local file's address (a dropped file's).
QString CaminhoDoEndereco(const QUrl& endereco);

// Makes the controls' font families resolve to what this system has, metrics kept.
void PrepararFontes();
