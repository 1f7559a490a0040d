#include "LeitorLinhas.h"

#include "ErroCartao.h"
#include "MotivoSistema.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int CR = 0x0D;
constexpr int LF = 0x0A;
constexpr int FimDeArquivo = 0x1A;

std::string Razao(const std::string& acao, const std::string& caminho, int erro)
{
    return acao + " \"" + caminho + "\": " + MotivoSistema(erro);
}
}

LeitorLinhas::LeitorLinhas(const std::string& caminho) : caminho_(caminho)
{
    // Non-blocking so that a FIFO or device named by mistake cannot hang the open.
    descritor_ = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descritor_ < 0)
        throw ErroCartao(Razao("Não foi possível abrir", caminho, errno));
    struct stat estado {};
    if (::fstat(descritor_, &estado) != 0 || !S_ISREG(estado.st_mode)) {
        ::close(descritor_);
        throw ErroCartao("\"" + caminho + "\" não é um arquivo comum.");
    }
}

LeitorLinhas::~LeitorLinhas()
{
    ::close(descritor_);
}

bool LeitorLinhas::Encher()
{
    for (;;) {
        const ssize_t lidos = ::read(descritor_, buffer_.data(), buffer_.size());
        if (lidos < 0 && errno == EINTR)
            continue;
        if (lidos < 0)
            throw ErroCartao(Razao("Erro de leitura em", caminho_, errno));
        posicao_ = 0;
        tamanho_ = static_cast<std::size_t>(lidos);
        return lidos > 0;
    }
}

int LeitorLinhas::Espiar()
{
    if (fim_)
        return -1;
    if (posicao_ == tamanho_ && !Encher()) {
        fim_ = true;
        return -1;
    }
    const int c = static_cast<unsigned char>(buffer_[posicao_]);
    if (c == FimDeArquivo) {
        fim_ = true;
        return -1;
    }
    return c;
}

int LeitorLinhas::Proximo()
{
    const int c = Espiar();
    if (c >= 0)
        ++posicao_;
    return c;
}

std::optional<std::string> LeitorLinhas::LerLinha()
{
    if (Espiar() < 0)
        return std::nullopt;
    std::string linha;
    // Copy whole runs of the buffer up to the line end, so long lines cost little.
    while (Espiar() >= 0) {
        const char* inicio = buffer_.data() + posicao_;
        const char* fim = buffer_.data() + tamanho_;
        const char* parada = std::find_if(inicio, fim, [](char c) { return c == CR || c == FimDeArquivo; });
        linha.append(inicio, parada);
        posicao_ += static_cast<std::size_t>(parada - inicio);
        if (parada != fim && *parada == CR) {
            Proximo();
            if (Espiar() == LF)
                Proximo();
            break;
        }
    }
    return linha;
}

std::optional<std::int32_t> ConverterInteiro(const std::string& texto)
{
    std::size_t i = 0;
    while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t'))
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        negativo = texto[i++] == '-';
    if (i == texto.size())
        return std::nullopt;

    // Accumulate as a negative number so that the lowest 32-bit value fits too.
    constexpr long long menor = std::numeric_limits<std::int32_t>::min();
    long long valor = 0;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        valor = valor * 10 - (c - '0');
        if (valor < menor)
            return std::nullopt;
    }
    if (!negativo) {
        valor = -valor;
        if (valor > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(valor);
}
