#include "Segurador.h"

#include <filesystem>
#include <stdexcept>

namespace {

// Taken whole when the tests load, before any test changes the working folder.
const std::wstring Programa = std::filesystem::absolute(ORTELO_SEGURADOR).wstring();

}  // namespace

Segurador::Segurador(const std::string& arquivo, std::chrono::milliseconds tempo)
{
    SECURITY_ATTRIBUTES herdavel{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE leitura = nullptr;
    HANDLE escrita = nullptr;
    if (!::CreatePipe(&leitura, &escrita, &herdavel, 0))
        throw std::runtime_error("no pipe");
    ::SetHandleInformation(leitura, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW inicio {};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESTDHANDLES;
    inicio.hStdOutput = escrita;
    inicio.hStdError = escrita;
    inicio.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::wstring linha = L"\"" + Programa + L"\" \"" + std::filesystem::u8path(arquivo).wstring() + L"\" " +
                         std::to_wstring(tempo.count());
    const bool criado = ::CreateProcessW(Programa.c_str(), linha.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                         &inicio, &informacao_);
    ::CloseHandle(escrita);
    if (!criado) {
        ::CloseHandle(leitura);
        throw std::runtime_error("segurar_arquivo did not start");
    }
    // Its first line comes once it holds the file; an end without it means it could not.
    char texto[16] {};
    DWORD lidos = 0;
    segurando_ = ::ReadFile(leitura, texto, sizeof texto - 1, &lidos, nullptr) && std::string(texto, lidos).starts_with("pronto");
    ::CloseHandle(leitura);
}

bool Segurador::Terminou()
{
    return ::WaitForSingleObject(informacao_.hProcess, 20000) == WAIT_OBJECT_0;
}

Segurador::~Segurador()
{
    if (::WaitForSingleObject(informacao_.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(informacao_.hProcess, 1);
        ::WaitForSingleObject(informacao_.hProcess, 20000);
    }
    ::CloseHandle(informacao_.hThread);
    ::CloseHandle(informacao_.hProcess);
}
