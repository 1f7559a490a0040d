#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes of ortelo-cartao, for scripts.
constexpr int SaidaOk = 0;         // nothing to report, or the cards are equal
constexpr int SaidaProblemas = 1;  // warnings found, or the cards differ
constexpr int SaidaErro = 2;       // bad command line, or a file that could not be read or written

// Runs one command line (without the program name); what it prints goes to the two streams.
int ExecutarCartao(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);

// The full help text.
std::string TextoDeAjuda();
