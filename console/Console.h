#pragma once

#include <string>
#include <string_view>
#include <vector>

// The command line and the standard streams of both programs, the way their system has them.
// Text is UTF-8 in the programs; on Windows it reaches a console as characters, whatever the
// console's code page, and a file or pipe as UTF-8.

// The arguments after the program's name: on Windows the system's own UTF-16 ones, as UTF-8
// (main's are in the ANSI code page, which cannot hold every name a folder may have); elsewhere
// the system's bytes as they are.
std::vector<std::string> ArgumentosDoProcesso(int argc, char** argv);

enum class Fluxo { Saida, Erros };

// Writes the text to the standard output or error. False when nothing could take it: the
// stream is closed, or a program started without a console has none.
bool EscreverTexto(Fluxo fluxo, std::string_view utf8);

// A window program starts without a console: its streams that go nowhere are joined to the
// console of whoever started it, where there is one. Streams redirected to a file or pipe stay
// as they are. Nothing to do where every program has its streams.
void UsarConsoleDeQuemIniciou();
