#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows takes some file names for its devices, in any folder: CON, PRN, AUX, NUL, COM0 to COM9
// and LPT0 to LPT9, in any case, with any extension, and with the spaces and dots it strips from
// a name's end ("nul .txt", "COM3.tar.gz"). Opening or writing one talks to the device — in a
// program about serial ports, perhaps the reader's own.

// The device that a file name (the last part of a path) names for Windows, as written: "COM3"
// for "com3.cfg"; nothing for an ordinary name. The same on every system.
std::optional<std::string> DispositivoDoWindows(std::string_view nome);

// Why this system would take the path's file for a device, to be shown before anything touches
// it; nothing where the name is an ordinary one. Only Windows has such names.
std::optional<std::string> RecusaDeDispositivo(const std::string& caminho);

// The same, thrown as ErroCartao.
void RecusarDispositivo(const std::string& caminho);
