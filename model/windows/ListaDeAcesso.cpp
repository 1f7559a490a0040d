#include "ListaDeAcesso.h"

#include <vector>

namespace {

// A token handle, closed on every way out.
struct Ficha {
    HANDLE h = nullptr;
    Ficha() = default;
    Ficha(const Ficha&) = delete;
    Ficha& operator=(const Ficha&) = delete;
    ~Ficha()
    {
        if (h != nullptr)
            ::CloseHandle(h);
    }
};

}  // namespace

bool ListaNegaAcesso(const std::wstring& arquivo, DWORD acesso)
{
    constexpr SECURITY_INFORMATION partes =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD tamanho = 0;
    ::GetFileSecurityW(arquivo.c_str(), partes, nullptr, 0, &tamanho);
    if (tamanho == 0)
        return false;
    std::vector<unsigned char> descritor(tamanho);
    if (!::GetFileSecurityW(arquivo.c_str(), partes, descritor.data(), tamanho, &tamanho))
        return false;

    // The check is made for a thread's token: the process's own, as an impersonation copy.
    Ficha processo;
    Ficha copia;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &processo.h) ||
        !::DuplicateToken(processo.h, SecurityImpersonation, &copia.h))
        return false;
    GENERIC_MAPPING mapa{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
    DWORD pedido = acesso;
    ::MapGenericMask(&pedido, &mapa);
    PRIVILEGE_SET privilegios {};
    DWORD tamanhoPrivilegios = sizeof privilegios;
    DWORD concedido = 0;
    BOOL permitido = FALSE;
    if (!::AccessCheck(descritor.data(), copia.h, pedido, &mapa, &privilegios, &tamanhoPrivilegios, &concedido, &permitido))
        return false;
    return !permitido;
}
