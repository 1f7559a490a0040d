#include "GravacaoAtomica.h"

#include "CaminhoWindows.h"
#include "ErroCartao.h"
#include "ErroWindows.h"
#include "Manipulador.h"
#include "MotivoSistema.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string_view>
#include <windows.h>

// Windows has no permission bits: a new file takes the access rules of its folder, and a replaced
// one keeps its attributes. `limiteDeModo` therefore has nothing to limit here.

namespace {

[[noreturn]] void Falhar(const std::string& caminho, int erro)
{
    throw ErroCartao("Não foi possível gravar \"" + caminho + "\": " + MotivoSistema(erro));
}

std::wstring::size_type UltimaBarra(const std::wstring& caminho)
{
    return caminho.find_last_of(L"\\/");
}

// The file a link leads to, so the save replaces it rather than the link; other paths as given.
std::wstring Destino(const std::wstring& caminho, DWORD atributos)
{
    if ((atributos & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return caminho;
    const Manipulador alvo(::CreateFileW(caminho.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!alvo.Valido())
        return caminho;
    std::wstring final(32768, L'\0');
    const DWORD n = ::GetFinalPathNameByHandleW(*alvo, final.data(), static_cast<DWORD>(final.size()), 0);
    if (n == 0 || n >= final.size())
        return caminho;
    final.resize(n);
    return final;
}

// Devices (NUL, COM1, a pipe) answer to file names too; they are never written.
bool EhArquivoDeDisco(const std::wstring& caminho)
{
    const Manipulador h(::CreateFileW(caminho.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return !h.Valido() || ::GetFileType(*h) == FILE_TYPE_DISK;
}

// A new file beside the target, hidden from nobody but named so that nobody takes it for a card.
HANDLE CriarAoLado(const std::wstring& destino, std::wstring& temporario, int& erro)
{
    static std::atomic<unsigned> contador{0};
    const auto barra = UltimaBarra(destino);
    const std::wstring pasta = barra == std::wstring::npos ? std::wstring() : destino.substr(0, barra + 1);
    const std::wstring nome = barra == std::wstring::npos ? destino : destino.substr(barra + 1);
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        temporario = pasta + L"." + nome + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                     std::to_wstring(contador++) + L".tmp";
        const HANDLE h = ::CreateFileW(temporario.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                       nullptr);
        if (h != INVALID_HANDLE_VALUE)
            return h;
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    erro = UltimoErro();
    return INVALID_HANDLE_VALUE;
}

bool EscreverTudo(HANDLE h, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD pedidos = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD escritos = 0;
        if (!::WriteFile(h, bytes.data(), pedidos, &escritos, nullptr))
            return false;
        if (escritos == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(escritos);
    }
    return true;
}

// Removes the temporary file unless it took the target's place.
class Temporario {
public:
    explicit Temporario(std::wstring caminho) : caminho_(std::move(caminho)) {}
    ~Temporario()
    {
        if (!manter_)
            ::DeleteFileW(caminho_.c_str());
    }
    Temporario(const Temporario&) = delete;
    Temporario& operator=(const Temporario&) = delete;
    const std::wstring& Caminho() const { return caminho_; }
    void Manter() { manter_ = true; }

private:
    std::wstring caminho_;
    bool manter_ = false;
};

}  // namespace

void GravarArquivoAtomico(const std::string& caminho, const std::string& conteudo, unsigned /*limiteDeModo*/)
{
    const std::wstring largo = CaminhoLargo(caminho);
    if (largo.empty())
        Falhar(caminho, caminho.empty() ? ENOENT : EINVAL);

    DWORD atributos = ::GetFileAttributesW(largo.c_str());
    const bool existe = atributos != INVALID_FILE_ATTRIBUTES;
    const std::wstring destino = existe ? Destino(largo, atributos) : largo;
    if (existe && destino != largo)
        atributos = ::GetFileAttributesW(destino.c_str());
    if (existe && atributos != INVALID_FILE_ATTRIBUTES) {
        if (atributos & FILE_ATTRIBUTE_DIRECTORY)
            Falhar(caminho, EISDIR);
        if (!EhArquivoDeDisco(destino))
            throw ErroCartao("Não foi possível gravar \"" + caminho + "\": o destino não é um arquivo comum.");
        // A read-only file is the operator's protection; replacing it would defeat it.
        if (atributos & FILE_ATTRIBUTE_READONLY)
            Falhar(caminho, EACCES);
    }

    int erro = 0;
    std::wstring nomeTemporario;
    Manipulador arquivo(CriarAoLado(destino, nomeTemporario, erro));
    if (!arquivo.Valido())
        Falhar(caminho, erro);
    Temporario temporario(nomeTemporario);
    // Every step is checked: the bytes, their way to the disk, the close.
    if (!EscreverTudo(*arquivo, conteudo) || !::FlushFileBuffers(*arquivo) || !arquivo.Fechar())
        Falhar(caminho, UltimoErro());
    // The replaced file's own marks (hidden, archive) stay with the file.
    if (existe && atributos != INVALID_FILE_ATTRIBUTES) {
        const DWORD mantidos = atributos & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (mantidos != 0 && !::SetFileAttributesW(temporario.Caminho().c_str(), mantidos))
            Falhar(caminho, UltimoErro());
    }
    // One step on the same volume, and on disk before it returns.
    if (!::MoveFileExW(temporario.Caminho().c_str(), destino.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Falhar(caminho, UltimoErro());
    temporario.Manter();
}
