#include "Console.h"

#include <algorithm>
#include <cwchar>
#include <windows.h>
#include <shellapi.h>

namespace {

std::string Utf8(const wchar_t* texto)
{
    const int largura = static_cast<int>(std::wcslen(texto));
    const int tamanho = ::WideCharToMultiByte(CP_UTF8, 0, texto, largura, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(tamanho), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, texto, largura, utf8.data(), tamanho, nullptr, nullptr);
    return utf8;
}

std::wstring Largo(std::string_view utf8)
{
    const int tamanho = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring largo(static_cast<std::size_t>(tamanho), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), largo.data(), tamanho);
    return largo;
}

DWORD Padrao(Fluxo fluxo)
{
    return fluxo == Fluxo::Saida ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
}

bool Valido(HANDLE h)
{
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

bool EscreverBytes(HANDLE h, std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD escritos = 0;
        if (!::WriteFile(h, bytes.data(), static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20)), &escritos,
                         nullptr) ||
            escritos == 0)
            return false;
        bytes.remove_prefix(escritos);
    }
    return true;
}

// A console shows characters, not bytes: the console's code page (850 on a Brazilian one) would
// show UTF-8 as other letters.
bool EscreverCaracteres(HANDLE h, std::string_view utf8)
{
    const std::wstring largo = Largo(utf8);
    std::wstring_view resto = largo;
    while (!resto.empty()) {
        DWORD escritos = 0;
        if (!::WriteConsoleW(h, resto.data(), static_cast<DWORD>(std::min<std::size_t>(resto.size(), 8192)), &escritos,
                             nullptr) ||
            escritos == 0)
            return false;
        resto.remove_prefix(escritos);
    }
    return true;
}

}  // namespace

std::vector<std::string> ArgumentosDoProcesso(int, char**)
{
    std::vector<std::string> argumentos;
    int quantos = 0;
    if (wchar_t** lista = ::CommandLineToArgvW(::GetCommandLineW(), &quantos)) {
        for (int i = 1; i < quantos; ++i)
            argumentos.push_back(Utf8(lista[i]));
        ::LocalFree(lista);
    }
    return argumentos;
}

bool EscreverTexto(Fluxo fluxo, std::string_view utf8)
{
    const HANDLE h = ::GetStdHandle(Padrao(fluxo));
    if (!Valido(h))
        return false;
    DWORD modo = 0;
    return ::GetConsoleMode(h, &modo) ? EscreverCaracteres(h, utf8) : EscreverBytes(h, utf8);
}

void UsarConsoleDeQuemIniciou()
{
    const bool semSaida = !Valido(::GetStdHandle(STD_OUTPUT_HANDLE));
    const bool semErros = !Valido(::GetStdHandle(STD_ERROR_HANDLE));
    if ((!semSaida && !semErros) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const auto ligar = [](DWORD padrao) {
        const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, 0, nullptr);
        if (Valido(console))
            ::SetStdHandle(padrao, console);
    };
    if (semSaida)
        ligar(STD_OUTPUT_HANDLE);
    if (semErros)
        ligar(STD_ERROR_HANDLE);
}
