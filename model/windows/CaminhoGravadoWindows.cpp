#include "CaminhoGravado.h"

#include "CaminhoWindows.h"
#include "TabelaWindows1252.h"

std::string CaminhoGravadoNoSistema(std::string bytes)
{
    if (Utf8Valido(bytes))
        return bytes;
    std::wstring largo;
    for (const char byte : bytes)
        largo.push_back(static_cast<wchar_t>(CaractereWindows1252(static_cast<unsigned char>(byte))));
    return CaminhoUtf8(largo);
}
