// Another program holding a card, as a scanner, the indexer or the reader's own software does:
// opens the file for reading without letting others write or delete it, says "pronto" on its
// output once it holds it, keeps it for the given milliseconds and lets go.
// Usage: segurar_arquivo ARQUIVO MILISSEGUNDOS

#include <cstdio>
#include <cwchar>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const HANDLE h = ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    std::fputs("pronto\n", stdout);
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    ::CloseHandle(h);
    return 0;
}
