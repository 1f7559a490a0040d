#pragma once

#include "Console.h"

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

// An output stream's buffer that hands its text to the system's stream (EscreverTexto) or to
// any other taker. A character is never split between two hand-overs: a console that gets
// characters would show a cut sequence's two halves as two wrong ones.
class FluxoDoConsole : public std::streambuf {
public:
    using Destino = std::function<bool(std::string_view utf8)>;

    explicit FluxoDoConsole(Fluxo fluxo);
    explicit FluxoDoConsole(Destino destino);
    ~FluxoDoConsole() override;

protected:
    int_type overflow(int_type caractere) override;
    std::streamsize xsputn(const char* texto, std::streamsize quantos) override;
    int sync() override;

private:
    // Hands over every whole character held; what follows the last one waits for its rest.
    bool Entregar();

    Destino destino_;
    std::string pendente_;
};
