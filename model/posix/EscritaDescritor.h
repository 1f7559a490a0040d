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

// Makes what was created or renamed in the folder of `caminho` durable. A filesystem that
// cannot sync folders (EINVAL) has nothing to wait for; any other failure is returned.
bool SincronizarPasta(const std::string& caminho);

// A new, empty file beside `destino`, removed when this goes out of scope unless Manter()
// was called. Throws ErroCartao through FalharGravacao when it cannot be created.
// The save's temporaries are ".<name>.XXXXXX"; a copy of old content kept aside gets the
// suffix "~", so that no cleaning of temporaries ever takes it. The file stays locked while
// this lives, so that a save of the same file elsewhere sees it is in use.
class ArquivoAoLado {
public:
    enum class Tipo { Temporario, Copia };
    ArquivoAoLado(const std::string& destino, const std::string& caminho, Tipo tipo = Tipo::Temporario);
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

// Removes the temporaries that interrupted saves of `destino` left beside it: files named like
// its temporaries, owned by this user and locked by no running save. Other files' temporaries
// and kept copies are left alone; what cannot be removed stays, as it harms nothing.
void RemoverTemporariosDeixados(const std::string& destino);
