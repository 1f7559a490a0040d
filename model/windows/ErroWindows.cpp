#include "ErroWindows.h"

#include <cerrno>
#include <windows.h>

int ErroDoSistema(unsigned long codigo)
{
    switch (codigo) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_CANNOT_MAKE: return EACCES;
    case ERROR_PRIVILEGE_NOT_HELD: return EPERM;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILE_TOO_LARGE: return EFBIG;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME: return EINVAL;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE: return EIO;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    // Another program holds the file: open without sharing it, mapped, or deleted while open.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
    case ERROR_DELETE_PENDING:
    case ERROR_UNABLE_TO_REMOVE_REPLACED: return ETXTBSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DIR_NOT_EMPTY: return ENOTEMPTY;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    default: return ErroSoDoWindows + static_cast<int>(codigo & 0xFFFF);
    }
}

int UltimoErro()
{
    return ErroDoSistema(::GetLastError());
}
