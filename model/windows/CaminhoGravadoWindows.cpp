#include "CaminhoGravado.h"

#include "CaminhoWindows.h"
#include "PaginaDeCodigo.h"

#include <algorithm>
#include <windows.h>

std::string Utf8DaPaginaDeCodigo(std::string_view bytes, unsigned pagina)
{
    const int quantos = static_cast<int>(bytes.size());
    const int tamanho = ::MultiByteToWideChar(pagina, 0, bytes.data(), quantos, nullptr, 0);
    std::wstring largo(static_cast<std::size_t>(tamanho), L'\0');
    ::MultiByteToWideChar(pagina, 0, bytes.data(), quantos, largo.data(), tamanho);
    return CaminhoUtf8(largo);
}

// Older Windows programs wrote their paths in the machine's ANSI code page (GetACP), the one
// their own narrow calls used: Windows-1252 in Brazil, another elsewhere.
std::string CaminhoGravadoNoSistema(std::string bytes)
{
    if (Utf8Valido(bytes))
        return bytes;
    return Utf8DaPaginaDeCodigo(bytes, ::GetACP());
}

std::string CaminhoParaGravar(std::string caminho)
{
    std::replace(caminho.begin(), caminho.end(), '/', '\\');
    return caminho;
}
