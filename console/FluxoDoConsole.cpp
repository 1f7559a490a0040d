#include "FluxoDoConsole.h"

namespace {

constexpr std::size_t Lote = 4096;

// Where the held text's last character would start if it is still unfinished: the end when
// every character is whole.
std::size_t FimDoUltimoInteiro(std::string_view texto)
{
    std::size_t inicio = texto.size();
    int continuacoes = 0;
    while (inicio > 0 && continuacoes < 3 && (static_cast<unsigned char>(texto[inicio - 1]) & 0xC0) == 0x80) {
        --inicio;
        ++continuacoes;
    }
    if (inicio == 0)
        return texto.size();
    const auto primeiro = static_cast<unsigned char>(texto[inicio - 1]);
    const int tamanho = primeiro >= 0xF8 ? 1 : primeiro >= 0xF0 ? 4 : primeiro >= 0xE0 ? 3 : primeiro >= 0xC0 ? 2 : 1;
    // Bytes that are not UTF-8 are passed on as they came: waiting would never complete them.
    return tamanho > 1 && continuacoes < tamanho - 1 ? inicio - 1 : texto.size();
}

}  // namespace

FluxoDoConsole::FluxoDoConsole(Fluxo fluxo)
    : destino_([fluxo](std::string_view utf8) { return EscreverTexto(fluxo, utf8); })
{
}

FluxoDoConsole::FluxoDoConsole(Destino destino) : destino_(std::move(destino))
{
}

FluxoDoConsole::~FluxoDoConsole()
{
    // The end of the program's text: a sequence left unfinished goes out as it is.
    if (!pendente_.empty())
        destino_(pendente_);
}

FluxoDoConsole::int_type FluxoDoConsole::overflow(int_type caractere)
{
    if (traits_type::eq_int_type(caractere, traits_type::eof()))
        return traits_type::not_eof(caractere);
    const char c = traits_type::to_char_type(caractere);
    return xsputn(&c, 1) == 1 ? caractere : traits_type::eof();
}

std::streamsize FluxoDoConsole::xsputn(const char* texto, std::streamsize quantos)
{
    pendente_.append(texto, static_cast<std::size_t>(quantos));
    if (pendente_.size() >= Lote && !Entregar())
        return 0;
    return quantos;
}

int FluxoDoConsole::sync()
{
    return Entregar() ? 0 : -1;
}

bool FluxoDoConsole::Entregar()
{
    const std::size_t fim = FimDoUltimoInteiro(pendente_);
    if (fim == 0)
        return true;
    const bool entregue = destino_(std::string_view(pendente_).substr(0, fim));
    pendente_.erase(0, fim);
    return entregue;
}
