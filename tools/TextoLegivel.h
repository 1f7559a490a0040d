#pragma once

#include <string>

// A Windows-1252 text of the card (a group name, a mask or reading-mode character) as UTF-8
// for a terminal or JSON. Control characters and the five bytes without a character come out
// as \xNN, so nothing in a file can move the cursor or hide what is really there.
std::string TextoLegivel(const std::string& bytes);

std::string CaractereLegivel(char caractere);
