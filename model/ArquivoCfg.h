#pragma once

#include "Cartao.h"
#include "LeituraCfg.h"

#include <string>

// Number of lines of a cfg file for a card of this many groups.
constexpr int LinhasDoArquivoCfg(int numGrupos) { return 5 + 5 * numGrupos + TamanhoMascara; }

// The exact bytes of the cfg file of a card: one value per line, CR LF after every line.
std::string ConteudoArquivoCfg(const TCartao& cartao);

// Writes the card to `caminho` atomically; throws ErroCartao with the path and the reason. A
// name the system takes for a device (NomeDeDispositivo.h) is refused before anything is opened.
void GravarArquivoCfg(const std::string& caminho, const TCartao& cartao);

// Reads a cfg file into `cartao`, all or nothing, by the rules of InterpretarCfg; a file larger
// than TamanhoMaximoDeArquivo is refused unread. Throws ErroCartao, with the line number where
// one applies, and leaves `cartao` untouched; a device's name is refused unopened.
void LerArquivoCfg(const std::string& caminho, TCartao& cartao);
