#pragma once

// The four subcommands; each takes the arguments after its own name and returns the exit code.

#include <iosfwd>
#include <string>
#include <vector>

using Argumentos = std::vector<std::string>;

int ComandoVerificar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoMostrar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoDesenhar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoComparar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros);

// A usage error: the message and a pointer to the help, on the error stream.
int ErroDeUso(std::ostream& erros, const std::string& mensagem);
