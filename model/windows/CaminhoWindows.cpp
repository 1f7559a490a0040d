#include "CaminhoWindows.h"

#include <windows.h>

std::wstring CaminhoLargo(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int tamanho = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                              nullptr, 0);
    if (tamanho <= 0)
        return {};
    std::wstring largo(static_cast<std::size_t>(tamanho), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), largo.data(),
                          tamanho);
    return largo;
}

std::string CaminhoUtf8(std::wstring_view largo)
{
    if (largo.empty())
        return {};
    const int tamanho = ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), nullptr, 0,
                                              nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(tamanho > 0 ? tamanho : 0), '\0');
    if (tamanho > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), utf8.data(), tamanho, nullptr,
                              nullptr);
    return utf8;
}

bool Utf8Valido(std::string_view bytes)
{
    return bytes.empty() || ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                  static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

std::wstring CaminhoLongo(std::string_view utf8)
{
    const std::wstring largo = CaminhoLargo(utf8);
    // Behind the prefix the system takes every character as it is: the path is made whole first.
    if (largo.empty() || largo.starts_with(LR"(\\?\)") || largo.starts_with(LR"(\\.\)"))
        return largo;
    const DWORD tamanho = ::GetFullPathNameW(largo.c_str(), 0, nullptr, nullptr);
    if (tamanho == 0)
        return largo;
    std::wstring inteiro(tamanho, L'\0');
    const DWORD escritos = ::GetFullPathNameW(largo.c_str(), tamanho, inteiro.data(), nullptr);
    if (escritos == 0 || escritos >= tamanho)
        return largo;
    inteiro.resize(escritos);
    if (inteiro.starts_with(LR"(\\?\)") || inteiro.starts_with(LR"(\\.\)"))
        return inteiro;  // a device the name stood for
    if (inteiro.starts_with(LR"(\\)"))
        return LR"(\\?\UNC\)" + inteiro.substr(2);
    return LR"(\\?\)" + inteiro;
}
