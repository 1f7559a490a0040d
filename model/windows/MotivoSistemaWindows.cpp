#include "MotivoSistema.h"

#include "CaminhoWindows.h"
#include "ErroWindows.h"

#include <cerrno>
#include <cstring>
#include <windows.h>

namespace {

// The system's own text for an error Windows alone has, in the language of its installation.
std::string TextoDoWindows(unsigned long codigo)
{
    wchar_t* texto = nullptr;
    const DWORD tamanho = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                               FORMAT_MESSAGE_IGNORE_INSERTS,
                                           nullptr, codigo, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    std::wstring largo = tamanho > 0 && texto ? std::wstring(texto, tamanho) : std::wstring();
    ::LocalFree(texto);
    while (!largo.empty() && (largo.back() == L'\n' || largo.back() == L'\r' || largo.back() == L'.'))
        largo.pop_back();
    return largo.empty() ? "erro " + std::to_string(codigo) + " do Windows" : CaminhoUtf8(largo);
}

}  // namespace

std::string MotivoSistema(int erro)
{
    if (erro >= ErroSoDoWindows)
        return TextoDoWindows(static_cast<unsigned long>(erro - ErroSoDoWindows));
    switch (erro) {
    case ENOENT: return "arquivo ou pasta inexistente";
    case EACCES: return "permissão negada";
    case EPERM: return "operação não permitida";
    case ENOSPC: return "não há espaço livre no disco";
    case EFBIG: return "o arquivo é grande demais";
    case EROFS: return "o disco está protegido contra gravação";
    case EISDIR: return "o caminho indica uma pasta";
    case ENOTDIR: return "uma parte do caminho não é uma pasta";
    case ENAMETOOLONG: return "o nome do arquivo é longo demais";
    case EINVAL: return "o nome do arquivo não é válido";
    case ELOOP: return "há links simbólicos demais no caminho";
    case EIO: return "erro de entrada e saída no dispositivo";
    case EXDEV: return "o arquivo está em outro disco";
    case EBUSY: return "o dispositivo ou recurso está ocupado";
    case EMFILE:
    case ENFILE: return "há arquivos abertos demais";
    case ETXTBSY: return "o arquivo está em uso por outro programa";
    case EEXIST: return "o arquivo já existe";
    case ENOMEM: return "não há memória suficiente";
    default: return std::strerror(erro);
    }
}
