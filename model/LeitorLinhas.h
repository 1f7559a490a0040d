#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Splits the bytes of a card file into text lines: a line ends at CR (an LF right after it
// belongs to the line end, a lone LF is text), and the end of the data or a byte 0x1A ends the
// file. Lines are views into the bytes, so reading costs no copies.
class LeitorLinhas {
public:
    explicit LeitorLinhas(std::string_view bytes);

    // The next line without its end; nullopt when the file has ended.
    std::optional<std::string_view> LerLinha();

private:
    std::string_view resto_;
};

// Integer line: optional leading blanks, an optional sign, decimal digits and nothing else,
// within 32 bits. nullopt for anything else.
std::optional<std::int32_t> ConverterInteiro(std::string_view texto);
