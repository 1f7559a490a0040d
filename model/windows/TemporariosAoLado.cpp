#include "TemporariosAoLado.h"

#include <cwctype>
#include <string_view>
#include <windows.h>

namespace {

struct Partes {
    std::wstring pasta;  // with its final backslash
    std::wstring nome;
};

Partes Separar(const std::wstring& destino)
{
    const auto barra = destino.find_last_of(L"\\/");
    if (barra == std::wstring::npos)
        return {{}, destino};
    return {destino.substr(0, barra + 1), destino.substr(barra + 1)};
}

// Windows names differ in case alone only in how they were typed.
bool ComecaCom(std::wstring_view texto, std::wstring_view inicio)
{
    return texto.size() >= inicio.size() &&
           ::CompareStringOrdinal(texto.data(), static_cast<int>(inicio.size()), inicio.data(),
                                  static_cast<int>(inicio.size()), TRUE) == CSTR_EQUAL;
}

bool SoDigitos(std::wstring_view texto)
{
    if (texto.empty() || texto.size() > 10)
        return false;
    for (const wchar_t c : texto)
        if (c < L'0' || c > L'9')
            return false;
    return true;
}

// The process that named a temporary "<process>-<n>.tmp", or 0 for any other name.
DWORD ProcessoDoTemporario(std::wstring_view resto)
{
    constexpr std::wstring_view final = L".tmp";
    const auto traco = resto.find(L'-');
    if (traco == std::wstring_view::npos || resto.size() < traco + 1 + final.size() ||
        !ComecaCom(resto.substr(resto.size() - final.size()), final))
        return 0;
    const std::wstring_view processo = resto.substr(0, traco);
    if (!SoDigitos(processo) || !SoDigitos(resto.substr(traco + 1, resto.size() - final.size() - traco - 1)))
        return 0;
    const unsigned long long numero = std::stoull(std::wstring(processo));
    return numero > 0 && numero <= 0xFFFFFFFFull ? static_cast<DWORD>(numero) : 0;
}

// This process's own saves may still be running; another user's process cannot be looked at
// and counts as running.
bool ProcessoRodando(DWORD processo)
{
    if (processo == ::GetCurrentProcessId())
        return true;
    const HANDLE h = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processo);
    if (h == nullptr)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    const bool rodando = ::WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    ::CloseHandle(h);
    return rodando;
}

}  // namespace

std::wstring NomeDeTemporario(const std::wstring& destino, unsigned numero)
{
    const Partes partes = Separar(destino);
    return partes.pasta + L"." + partes.nome + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(numero) + L".tmp";
}

void RemoverTemporariosDeixados(const std::wstring& destino)
{
    const Partes partes = Separar(destino);
    const std::wstring prefixo = L"." + partes.nome + L".";
    WIN32_FIND_DATAW achado {};
    const HANDLE busca = ::FindFirstFileExW((partes.pasta + prefixo + L"*").c_str(), FindExInfoBasic, &achado,
                                            FindExSearchNameMatch, nullptr, 0);
    if (busca == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring_view nome = achado.cFileName;
        if ((achado.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !ComecaCom(nome, prefixo))
            continue;
        const DWORD processo = ProcessoDoTemporario(nome.substr(prefixo.size()));
        // A temporary still held makes the delete fail: only what nobody holds goes.
        if (processo != 0 && !ProcessoRodando(processo))
            ::DeleteFileW((partes.pasta + achado.cFileName).c_str());
    } while (::FindNextFileW(busca, &achado));
    ::FindClose(busca);
}
