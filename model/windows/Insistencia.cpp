#include "Insistencia.h"

#include "Manipulador.h"

#include <algorithm>
#include <thread>

namespace {

enum class Negacao { SemArquivo, Passageira, Duradoura };

// A denial that comes from the file itself lasts: its read-only mark, a folder in its place, or
// an access list that refuses what the step needs. A file being deleted while someone still has
// it open cannot even be looked at until they close it, and passes. A file that is not there
// explains nothing: the denial is its folder's.
Negacao NegacaoDe(const std::wstring& arquivo, DWORD acesso)
{
    const DWORD atributos = ::GetFileAttributesW(arquivo.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_ACCESS_DENIED ? Negacao::Passageira : Negacao::SemArquivo;
    if (atributos & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return Negacao::Duradoura;
    const Manipulador sonda(::CreateFileW(arquivo.c_str(), acesso, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                          nullptr));
    return sonda.Valido() || ::GetLastError() != ERROR_ACCESS_DENIED ? Negacao::Passageira : Negacao::Duradoura;
}

bool NegacaoPassageira(std::initializer_list<const std::wstring*> arquivos, DWORD acesso)
{
    bool algum = false;
    for (const std::wstring* arquivo : arquivos) {
        const Negacao negacao = NegacaoDe(*arquivo, acesso);
        if (negacao == Negacao::Duradoura)
            return false;
        algum = algum || negacao == Negacao::Passageira;
    }
    return algum;
}

}  // namespace

bool CausaPassageira(DWORD erro, std::initializer_list<const std::wstring*> arquivos, DWORD acesso)
{
    switch (erro) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_DELETE_PENDING:
        return true;
    // The replaced file could not be deleted: denied or held, as for an access denied.
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_ACCESS_DENIED:
        return NegacaoPassageira(arquivos, acesso);
    default:
        return false;
    }
}

Insistencia::Insistencia() : fim_(std::chrono::steady_clock::now() + Prazo) {}

bool Insistencia::Tentar(const std::function<bool()>& passo, std::initializer_list<const std::wstring*> arquivos,
                         DWORD acesso)
{
    for (;;) {
        if (passo())
            return true;
        const DWORD erro = ::GetLastError();
        if (!CausaPassageira(erro, arquivos, acesso)) {
            ::SetLastError(erro);
            return false;
        }
        const auto agora = std::chrono::steady_clock::now();
        if (agora >= fim_) {
            // Whatever the step said, it is another program's hold that did not pass.
            ::SetLastError(ERROR_SHARING_VIOLATION);
            return false;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pausa_, fim_ - agora));
        pausa_ = std::min(pausa_ * 2, std::chrono::milliseconds(250));
    }
}
