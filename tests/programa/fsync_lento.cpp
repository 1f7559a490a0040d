// Preloaded into the program by the end-to-end tests: makes fsync and fdatasync of the files whose
// path holds FSYNC_LENTO_TRECHO take FSYNC_LENTO_MS milliseconds longer, as a slow disk would.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace {

void Esperar(int descritor)
{
    const char* trecho = std::getenv("FSYNC_LENTO_TRECHO");
    const char* ms = std::getenv("FSYNC_LENTO_MS");
    if (!trecho || !ms)
        return;
    char ligacao[64];
    char caminho[4096];
    std::snprintf(ligacao, sizeof ligacao, "/proc/self/fd/%d", descritor);
    const ssize_t n = readlink(ligacao, caminho, sizeof caminho - 1);
    if (n < 0)
        return;
    caminho[n] = '\0';
    if (!std::strstr(caminho, trecho))
        return;
    const long espera = std::atol(ms);
    const timespec tempo = {espera / 1000, (espera % 1000) * 1000000L};
    nanosleep(&tempo, nullptr);
}

template <class Funcao>
Funcao Real(const char* nome)
{
    return reinterpret_cast<Funcao>(dlsym(RTLD_NEXT, nome));
}

}  // namespace

extern "C" int fsync(int descritor)
{
    Esperar(descritor);
    return Real<int (*)(int)>("fsync")(descritor);
}

extern "C" int fdatasync(int descritor)
{
    Esperar(descritor);
    return Real<int (*)(int)>("fdatasync")(descritor);
}
