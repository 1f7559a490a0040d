#pragma once

// The random window tests' draws: a fixed seed and step count, so every run (CI's too) walks the
// same path, unless the environment gives others; a failure prints both, to be replayed as
//   ORTELO_SEMENTE=<seed> ORTELO_PASSOS=<count> ctest -R <test>

#include <cstdlib>
#include <random>
#include <string>

class Sorteio {
public:
    Sorteio(unsigned sementePadrao, int passosPadrao)
        : Semente(Ler("ORTELO_SEMENTE", sementePadrao)),
          Passos(static_cast<int>(Ler("ORTELO_PASSOS", static_cast<unsigned>(passosPadrao)))),
          gerador_(Semente)
    {
    }

    const unsigned Semente;
    const int Passos;

    int operator()(int de, int ate) { return std::uniform_int_distribution<int>(de, ate)(gerador_); }

    // For SCOPED_TRACE: how to replay this run.
    std::string Reproduzir() const
    {
        return "ORTELO_SEMENTE=" + std::to_string(Semente) + " ORTELO_PASSOS=" + std::to_string(Passos);
    }

private:
    static unsigned Ler(const char* variavel, unsigned padrao)
    {
        const char* valor = std::getenv(variavel);
        return valor && *valor ? static_cast<unsigned>(std::stoul(valor)) : padrao;
    }

    std::mt19937 gerador_;
};
