// libFuzzer entry for the recovery slot's reader: a broken promise stops the run with the input
// saved as a crash.
#include "VerificacaoRecuperacao.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string falha = VerificarRecuperacao({reinterpret_cast<const char*>(dados), tamanho});
    if (!falha.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", falha.c_str());
        std::abort();
    }
    return 0;
}
