#include "LeituraDeArquivo.h"

#include "CaminhoWindows.h"
#include "ErroCartao.h"
#include "FalhasDeLeitura.h"
#include "ErroWindows.h"
#include "Insistencia.h"
#include "Manipulador.h"
#include "MotivoSistema.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

namespace {

// Other programs may go on writing, renaming or deleting the file while it is read, as on Linux;
// one that holds it without sharing it for a moment is waited for. A folder opens too (backup
// semantics), so that it is refused as no ordinary file.
HANDLE AbrirParaLer(const std::string& caminho, int& erro)
{
    const std::wstring longo = CaminhoLongo(caminho);
    if (longo.empty()) {
        erro = caminho.empty() ? ENOENT : EINVAL;
        return INVALID_HANDLE_VALUE;
    }
    HANDLE h = INVALID_HANDLE_VALUE;
    Insistencia().Tentar(
        [&] {
            h = ::CreateFileW(longo.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
            return h != INVALID_HANDLE_VALUE;
        },
        {&longo}, GENERIC_READ);
    erro = h == INVALID_HANDLE_VALUE ? UltimoErro() : 0;
    return h;
}

std::size_t LerAte(HANDLE h, std::string& destino, std::size_t inicio, const std::string& caminho)
{
    while (inicio < destino.size()) {
        const DWORD pedidos = static_cast<DWORD>(std::min<std::size_t>(destino.size() - inicio, 1 << 20));
        DWORD lidos = 0;
        if (!::ReadFile(h, destino.data() + inicio, pedidos, &lidos, nullptr))
            FalharLeitura("Erro de leitura em", caminho, UltimoErro());
        if (lidos == 0)
            break;
        inicio += lidos;
    }
    return inicio;
}

}  // namespace

std::string LerArquivoInteiro(const std::string& caminho)
{
    int erro = 0;
    const Manipulador arquivo(AbrirParaLer(caminho, erro));
    if (!arquivo.Valido())
        FalharLeitura("Não foi possível abrir", caminho, erro);
    BY_HANDLE_FILE_INFORMATION info {};
    if (::GetFileType(*arquivo) != FILE_TYPE_DISK || !::GetFileInformationByHandle(*arquivo, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        throw ErroCartao("\"" + caminho + "\" não é um arquivo comum.");
    const std::uint64_t tamanho = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    if (tamanho > TamanhoMaximoDeArquivo)
        RecusarTamanho(caminho);

    // One byte beyond the stated size tells whether the file grew meanwhile.
    std::string bytes(static_cast<std::size_t>(tamanho) + 1, '\0');
    std::size_t lidos = LerAte(*arquivo, bytes, 0, caminho);
    while (lidos == bytes.size()) {
        if (bytes.size() > TamanhoMaximoDeArquivo)
            RecusarTamanho(caminho);
        bytes.resize(std::min(std::max(bytes.size() * 2, std::size_t{65536}), TamanhoMaximoDeArquivo + 1));
        lidos = LerAte(*arquivo, bytes, lidos, caminho);
    }
    bytes.resize(lidos);
    return bytes;
}

std::string MotivoParaNaoLer(const std::string& caminho)
{
    int erro = 0;
    const Manipulador arquivo(AbrirParaLer(caminho, erro));
    return arquivo.Valido() ? std::string() : MotivoSistema(erro);
}
