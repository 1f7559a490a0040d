#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Reads the text lines of the card files: a line ends at CR (an LF right after it belongs to
// the line end, a lone LF is text), and the end of the data or a byte 0x1A ends the file.
// Only what is asked for is read, so a huge file costs no more than its first lines.
class LeitorLinhas {
public:
    // Opens an ordinary file; throws ErroCartao naming the path and the system's reason.
    explicit LeitorLinhas(const std::string& caminho);
    ~LeitorLinhas();
    LeitorLinhas(const LeitorLinhas&) = delete;
    LeitorLinhas& operator=(const LeitorLinhas&) = delete;

    // The next line without its end; nullopt when the file has ended.
    std::optional<std::string> LerLinha();

private:
    int Proximo();  // next byte, or -1 at the end of the file
    int Espiar();   // the byte Proximo would return, without taking it
    bool Encher();

    std::string caminho_;
    int descritor_ = -1;
    std::array<char, 65536> buffer_{};
    std::size_t posicao_ = 0;
    std::size_t tamanho_ = 0;
    bool fim_ = false;
};

// Integer line: optional leading blanks, an optional sign, decimal digits and nothing else,
// within 32 bits. nullopt for anything else.
std::optional<std::int32_t> ConverterInteiro(const std::string& texto);
