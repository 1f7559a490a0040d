#include "Apoio.h"

#include <csignal>
#include <sys/resource.h>

std::string MensagemComLimiteDeTamanho(long bytes, const std::function<void()>& acao)
{
    const auto anterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    rlimit pequeno = limite;
    pequeno.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &pequeno);
    const std::string mensagem = MensagemDe(acao);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, anterior);
    return mensagem;
}
