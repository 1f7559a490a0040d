#pragma once

#include <QString>

#include <optional>
#include <string>

// Conversion between the model's Windows-1252 bytes and QString, through a table of our own:
// the system's encoder would write an unstorable character as byte 0x1A, our end-of-file byte.
// The five bytes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for U+0081, U+008D,
// U+008F, U+0090 and U+009D, so every byte survives the round trip.

QString DeWindows1252(const std::string& bytes);

// nullopt when some character of the text has no Windows-1252 byte.
std::optional<std::string> ParaWindows1252(const QString& texto);
