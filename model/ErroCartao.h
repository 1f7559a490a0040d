#pragma once

#include <stdexcept>
#include <string>

// The one error type of the card files: a readable reason and, for a bad line, its number.
class ErroCartao : public std::runtime_error {
public:
    explicit ErroCartao(const std::string& razao, int linha = 0);

    int Linha() const { return linha_; }

private:
    int linha_;
};
