#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do by its command line: open the window, with or without one
// card file, or answer at once without a window.
struct LinhaDeComando {
    enum class Pedido { Janela, Ajuda, Versao, ErroDeUso };
    Pedido Acao = Pedido::Janela;
    QString Arquivo;  // the card file to open at start; empty for none
    QString Erro;     // why the command line was refused, for ErroDeUso
};

// Reads the arguments after the program's name. "--" ends the options, so that a file whose
// name starts with "-" can still be given. A name the system takes for a device is refused.
LinhaDeComando InterpretarLinhaDeComando(const QStringList& argumentos);

// The same from the process's own arguments, whose bytes the file's name keeps whatever they
// are (see CaminhoDoSistema.h); the file is then made absolute from the current folder.
LinhaDeComando InterpretarLinhaDeComando(int argc, char** argv);

// The texts for standard output (help, version) and standard error (a refused command line).
QString TextoDeAjuda();
QString TextoDeVersao();
QString TextoDeErroDeUso(const QString& erro);

// The exit status of a refused command line, as usage errors have it.
constexpr int SaidaErroDeUso = 2;
