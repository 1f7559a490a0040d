#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// What the window needs to know of the system it runs on; one implementation per platform.
// Paths travel as QString with their bytes kept (see CaminhoDoSistema.h).

// The program's own file, whose folder is the program's folder when it is an ordinary file. On
// Linux it is looked for in the current directory, where the launcher starts the program. On
// Windows it is the running program's own path: Windows starts programs from "Abrir com", a
// double-click on a card or a prompt in any folder, which must not decide where Cfg.inf and the
// recovery files go.
QString ArquivoDoPrograma();

// Help, the version or a refused command line, for whoever started the program: its standard
// output (or error, for `erro`), or, for a window program started without a console, a message box.
void ResponderLinhaDeComando(const QString& texto, bool erro);

// A path made absolute from the current folder, with "." and ".." taken out.
QString CaminhoAbsoluto(const QString& caminho);

bool EhPasta(const QString& caminho);

// Whether a file's address (a dropped file's) is one this system opens: on Linux only this
// computer's (no host, or localhost); on Windows a host's too, as a network share.
bool EnderecoAbrivel(const QUrl& endereco);

// The path of a file's address that EnderecoAbrivel takes.
QString CaminhoDoEndereco(const QUrl& endereco);

// Makes the controls' font families resolve to what this system has, metrics kept.
void PrepararFontes();
