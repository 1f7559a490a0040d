#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// Small steps of the safe save, on open descriptors. Each returns false with errno set.

// Writes all of `bytes` at `posicao`, however the system splits the write.
bool EscreverEm(int descritor, std::string_view bytes, off_t posicao);

// Makes `destino` hold exactly what `origem` holds, in fixed-size steps whatever the size.
bool CopiarConteudo(int origem, int destino);

// The save's error: the path as the operator gave it and the system's reason.
[[noreturn]] void FalharGravacao(const std::string& caminho, int erro);

// The refusal of a target that is no regular file: a FIFO, device or socket is never replaced.
[[noreturn]] void RecusarDestinoIncomum(const std::string& caminho);

// The folder of a path ("." for a bare name).
std::string Pasta(const std::string& caminho);

// A new, empty file beside `destino`, removed when this goes out of scope unless Manter()
// was called. Throws ErroCartao through FalharGravacao when it cannot be created.
class ArquivoAoLado {
public:
    ArquivoAoLado(const std::string& destino, const std::string& caminho);
    ~ArquivoAoLado();
    ArquivoAoLado(const ArquivoAoLado&) = delete;
    ArquivoAoLado& operator=(const ArquivoAoLado&) = delete;

    int Descritor() const { return descritor_; }
    const std::string& Caminho() const { return caminho_; }
    // Closes the descriptor; false with errno set when the close reports an error.
    bool Fechar();
    void Manter() { manter_ = true; }

private:
    std::string caminho_;
    int descritor_ = -1;
    bool manter_ = false;
};
