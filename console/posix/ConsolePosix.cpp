#include "Console.h"

#include <cerrno>
#include <unistd.h>

std::vector<std::string> ArgumentosDoProcesso(int argc, char** argv)
{
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

bool EscreverTexto(Fluxo fluxo, std::string_view utf8)
{
    const int descritor = fluxo == Fluxo::Saida ? STDOUT_FILENO : STDERR_FILENO;
    while (!utf8.empty()) {
        const ssize_t escritos = ::write(descritor, utf8.data(), utf8.size());
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            return false;
        utf8.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return true;
}

void UsarConsoleDeQuemIniciou()
{
}
