#include "GravacaoAtomica.h"

#include "CaminhoWindows.h"
#include "ErroCartao.h"
#include "ErroWindows.h"
#include "Insistencia.h"
#include "Manipulador.h"
#include "MotivoSistema.h"
#include "TemporariosAoLado.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string_view>
#include <windows.h>

// Windows has no permission bits: a new file takes the access rules of its folder, and a replaced
// one keeps its access list with ReplaceFileW. `limiteDeModo` therefore has nothing to limit here.

namespace {

constexpr DWORD Compartilhado = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

[[noreturn]] void Falhar(const std::string& caminho, int erro)
{
    throw ErroCartao("Não foi possível gravar \"" + caminho + "\": " + MotivoSistema(erro));
}

// The file a link leads to, so the save replaces it rather than the link; other paths as given.
std::wstring Destino(const std::wstring& caminho, DWORD atributos)
{
    if ((atributos & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return caminho;
    const Manipulador alvo(
        ::CreateFileW(caminho.c_str(), 0, Compartilhado, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
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
    const Manipulador h(::CreateFileW(caminho.c_str(), FILE_READ_ATTRIBUTES, Compartilhado, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return !h.Valido() || ::GetFileType(*h) == FILE_TYPE_DISK;
}

// A file the operator may not write is their protection, whether its read-only mark or its
// access list says so; replacing it would defeat it, as the folder may still allow. Opening it
// for writing asks the file system itself (without backup semantics, which would let a user
// with the right to restore files past the list); a program that holds it for a moment is
// waited for.
void RecusarSeProtegido(const std::string& caminho, const std::wstring& destino, DWORD atributos,
                        Insistencia& insistencia)
{
    if (atributos & FILE_ATTRIBUTE_READONLY)
        Falhar(caminho, EACCES);
    const bool abre = insistencia.Tentar(
        [&] {
            return Manipulador(::CreateFileW(destino.c_str(), FILE_WRITE_DATA, Compartilhado, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr))
                .Valido();
        },
        {&destino}, FILE_WRITE_DATA);
    if (!abre)
        Falhar(caminho, UltimoErro());
}

// A new file beside the target, named so that nobody takes it for a card, and held without
// letting others delete it while it is written.
HANDLE CriarAoLado(const std::wstring& destino, std::wstring& temporario, int& erro)
{
    static std::atomic<unsigned> contador{0};
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        temporario = NomeDeTemporario(destino, contador++);
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

// Removes the temporary file unless it took the target's place; a scanner looking at it is
// waited for, and what still cannot go is left for the cleaning of a later save.
class Temporario {
public:
    explicit Temporario(std::wstring caminho) : caminho_(std::move(caminho)) {}
    ~Temporario()
    {
        if (!manter_)
            Insistencia().Tentar([this] { return ::DeleteFileW(caminho_.c_str()) != 0; }, {&caminho_});
    }
    Temporario(const Temporario&) = delete;
    Temporario& operator=(const Temporario&) = delete;
    const std::wstring& Caminho() const { return caminho_; }
    void Manter() { manter_ = true; }

private:
    std::wstring caminho_;
    bool manter_ = false;
};

// One step on the same volume, and on disk before it returns.
bool Renomear(const std::wstring& temporario, const std::wstring& destino, Insistencia& insistencia)
{
    return insistencia.Tentar(
        [&] {
            return ::MoveFileExW(temporario.c_str(), destino.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        },
        {&destino, &temporario});
}

// ReplaceFileW gives the new file what the old one had: its access list, owner where allowed,
// creation time, alternate streams and marks. Where it cannot work (a file system without it, or
// a replacement it could not move, the old file being gone already) the rename does the job.
bool Substituir(const std::wstring& temporario, const std::wstring& destino, Insistencia& insistencia)
{
    const bool substituido = insistencia.Tentar(
        [&] {
            return ::ReplaceFileW(destino.c_str(), temporario.c_str(), nullptr,
                                  REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                                  nullptr) != 0;
        },
        {&destino, &temporario});
    if (substituido)
        return true;
    // Still held when the time ran out: the rename would only wait again.
    if (::GetLastError() == ERROR_SHARING_VIOLATION)
        return false;
    return Renomear(temporario, destino, insistencia);
}

}  // namespace

void GravarArquivoAtomico(const std::string& caminho, const std::string& conteudo, unsigned /*limiteDeModo*/)
{
    const std::wstring longo = CaminhoLongo(caminho);
    if (longo.empty())
        Falhar(caminho, caminho.empty() ? ENOENT : EINVAL);
    Insistencia insistencia;

    DWORD atributos = ::GetFileAttributesW(longo.c_str());
    const bool existe = atributos != INVALID_FILE_ATTRIBUTES;
    const std::wstring destino = existe ? Destino(longo, atributos) : longo;
    if (existe && destino != longo)
        atributos = ::GetFileAttributesW(destino.c_str());
    const bool substitui = existe && atributos != INVALID_FILE_ATTRIBUTES;
    if (substitui) {
        if (atributos & FILE_ATTRIBUTE_DIRECTORY)
            Falhar(caminho, EISDIR);
        if (!EhArquivoDeDisco(destino))
            throw ErroCartao("Não foi possível gravar \"" + caminho + "\": o destino não é um arquivo comum.");
        RecusarSeProtegido(caminho, destino, atributos, insistencia);
    }

    // What an interrupted save of this file left beside it goes with the next one.
    RemoverTemporariosDeixados(destino);
    int erro = 0;
    std::wstring nomeTemporario;
    Manipulador arquivo(CriarAoLado(destino, nomeTemporario, erro));
    if (!arquivo.Valido())
        Falhar(caminho, erro);
    Temporario temporario(nomeTemporario);
    // Every step is checked: the bytes, their way to the disk, the close.
    if (!EscreverTudo(*arquivo, conteudo) || !::FlushFileBuffers(*arquivo) || !arquivo.Fechar())
        Falhar(caminho, UltimoErro());
    // The replaced file's hidden and system marks stay with the file; the archive mark tells
    // backup tools that the content is new, whatever the old file's said.
    const DWORD marcas = (substitui ? atributos & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                   FILE_ATTRIBUTE_NOT_CONTENT_INDEXED)
                                    : 0) |
                         FILE_ATTRIBUTE_ARCHIVE;
    if (!insistencia.Tentar([&] { return ::SetFileAttributesW(temporario.Caminho().c_str(), marcas) != 0; },
                            {&temporario.Caminho()}, FILE_WRITE_ATTRIBUTES))
        Falhar(caminho, UltimoErro());

    if (!(substitui ? Substituir(temporario.Caminho(), destino, insistencia)
                    : Renomear(temporario.Caminho(), destino, insistencia)))
        Falhar(caminho, UltimoErro());
    temporario.Manter();
    // ReplaceFileW hands over the old file's marks, its archive mark cleared by a backup
    // included. The content is in place: a mark that cannot be set now does not undo the save.
    const DWORD agora = ::GetFileAttributesW(destino.c_str());
    if (agora != INVALID_FILE_ATTRIBUTES && (agora & FILE_ATTRIBUTE_ARCHIVE) == 0)
        ::SetFileAttributesW(destino.c_str(), agora | FILE_ATTRIBUTE_ARCHIVE);
}
