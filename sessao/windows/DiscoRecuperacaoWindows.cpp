#include "DiscoRecuperacao.h"

#include "CaminhoWindows.h"
#include "ErroWindows.h"
#include "GravacaoAtomica.h"
#include "Insistencia.h"
#include "LeituraDeArquivo.h"
#include "MotivoSistema.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <stdexcept>
#include <windows.h>

// NTFS journals its folder entries: a rename or delete done with MOVEFILE_WRITE_THROUGH, or a
// delete that returned, is on disk, and Windows has no call that flushes a folder. Paths reach
// the system in the long form; a file another program holds for a moment is waited for.

namespace {

// Ten-millionths of a second from 1601 to 1970, the two systems' epochs.
constexpr std::int64_t De1601a1970 = 116444736000000000;

[[noreturn]] void FalharRemocao(const std::string& arquivo, int erro)
{
    throw std::runtime_error("Não foi possível remover \"" + arquivo + "\": " + MotivoSistema(erro));
}

}  // namespace

std::tm HoraLocal(std::time_t instante)
{
    std::tm local {};
    ::localtime_s(&local, &instante);
    return local;
}

DiscoRecuperacao DiscoRecuperacao::Real()
{
    DiscoRecuperacao disco;
    disco.Gravar = [](const std::string& arquivo, const std::string& conteudo, unsigned limiteDeModo) {
        GravarArquivoAtomico(arquivo, conteudo, limiteDeModo);
    };
    disco.Remover = [](const std::string& arquivo) {
        const std::wstring longo = CaminhoLongo(arquivo);
        if (longo.empty())
            FalharRemocao(arquivo, EINVAL);
        if (!Insistencia().Tentar([&] { return ::DeleteFileW(longo.c_str()) != 0; }, {&longo})) {
            const DWORD erro = ::GetLastError();
            if (erro != ERROR_FILE_NOT_FOUND && erro != ERROR_PATH_NOT_FOUND)
                FalharRemocao(arquivo, ErroDoSistema(erro));
        }
    };
    disco.Ler = [](const std::string& arquivo) { return LerArquivoInteiro(arquivo); };
    disco.Consultar = [](const std::string& arquivo) -> std::optional<EstadoDeArquivo> {
        WIN32_FILE_ATTRIBUTE_DATA dados {};
        if (!::GetFileAttributesExW(CaminhoLongo(arquivo).c_str(), GetFileExInfoStandard, &dados))
            return std::nullopt;
        const std::int64_t desde1601 =
            static_cast<std::int64_t>((std::uint64_t{dados.ftLastWriteTime.dwHighDateTime} << 32) |
                                      dados.ftLastWriteTime.dwLowDateTime);
        // No permission bits here: a read-only file is one nobody may write.
        const unsigned modo = (dados.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
        return EstadoDeArquivo{(desde1601 - De1601a1970) * 100, modo};
    };
    disco.Existe = [](const std::string& arquivo) {
        return ::GetFileAttributesW(CaminhoLongo(arquivo).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    disco.Mover = [](const std::string& arquivo, const std::string& destino) {
        const std::wstring de = CaminhoLongo(arquivo);
        const std::wstring para = CaminhoLongo(destino);
        const bool movido = Insistencia().Tentar(
            [&] {
                return ::MoveFileExW(de.c_str(), para.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
            },
            {&de, &para});
        return movido ? 0 : UltimoErro();
    };
    // Other copies open the same lock file at the same time, and may remove the slot's files.
    disco.AbrirTrava = [](const std::string& arquivo, bool criar) {
        const std::wstring longo = CaminhoLongo(arquivo);
        constexpr DWORD compartilhado = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        Insistencia insistencia;
        const auto abrir = [&](DWORD acesso, DWORD como) {
            HANDLE h = INVALID_HANDLE_VALUE;
            insistencia.Tentar(
                [&] {
                    h = ::CreateFileW(longo.c_str(), acesso, compartilhado, nullptr, como, FILE_ATTRIBUTE_NORMAL, nullptr);
                    return h != INVALID_HANDLE_VALUE;
                },
                {&longo}, acesso);
            return h;
        };
        HANDLE h = abrir(GENERIC_READ | GENERIC_WRITE, criar ? OPEN_ALWAYS : OPEN_EXISTING);
        if (h == INVALID_HANDLE_VALUE)
            h = abrir(GENERIC_READ, OPEN_EXISTING);
        if (h == INVALID_HANDLE_VALUE) {
            errno = UltimoErro();
            return -1;
        }
        const int descritor = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
        if (descritor < 0) {
            ::CloseHandle(h);
            errno = EMFILE;
        }
        return descritor;
    };
    // LockFileEx locks belong to the handle, so each slot of one process is its own, and the
    // system lets go of them when the process ends however it ends.
    disco.Travar = [](int descritor) {
        const auto h = reinterpret_cast<HANDLE>(::_get_osfhandle(descritor));
        OVERLAPPED inicio {};
        if (::LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &inicio))
            return 0;
        const DWORD erro = ::GetLastError();
        return erro == ERROR_LOCK_VIOLATION || erro == ERROR_IO_PENDING ? EWOULDBLOCK : ErroDoSistema(erro);
    };
    disco.FecharTrava = [](int descritor) { ::_close(descritor); };
    return disco;
}
