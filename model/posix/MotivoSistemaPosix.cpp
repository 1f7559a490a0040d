#include "MotivoSistema.h"

#include <cerrno>
#include <cstring>

std::string MotivoSistema(int erro)
{
    switch (erro) {
    case ENOENT: return "arquivo ou pasta inexistente";
    case EACCES: return "permissão negada";
    case EPERM: return "operação não permitida";
    case ENOSPC: return "não há espaço livre no disco";
    case EDQUOT: return "a cota de disco foi excedida";
    case EFBIG: return "o arquivo é grande demais";
    case EROFS: return "o sistema de arquivos é somente leitura";
    case EISDIR: return "o caminho indica uma pasta";
    case ENOTDIR: return "uma parte do caminho não é uma pasta";
    case ENAMETOOLONG: return "o nome do arquivo é longo demais";
    case ELOOP: return "há links simbólicos demais no caminho";
    case EIO: return "erro de entrada e saída no dispositivo";
    case EXDEV: return "o arquivo está em outro sistema de arquivos";
    case EBUSY: return "o dispositivo ou recurso está ocupado";
    case EMFILE:
    case ENFILE: return "há arquivos abertos demais";
    case ETXTBSY: return "o arquivo está em uso";
    default: return std::strerror(erro);
    }
}
