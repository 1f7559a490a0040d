#pragma once

// The card's values as the window lists them, in UTF-8, for the summary and the comparison.

#include <cstdint>
#include <string>

// The group-type list text; for a type outside 0..10, a note that it draws nothing.
std::string TextoDoTipo(std::int32_t tipo);

// The check-digit list text; for a kind outside 0..4, a note that no list entry shows it.
std::string TextoDoDigito(std::int32_t digito);

// "Unidirecional", "Bidirecional", or the character itself for any other reading mode.
std::string TextoDaLeitura(char formaLeitura);

std::string TextoDaPorta(std::int32_t porta);

std::string TextoDoHabilitado(std::uint8_t habilitado);
