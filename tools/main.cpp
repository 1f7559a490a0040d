#include "FluxoDoConsole.h"
#include "Programa.h"

#include <ostream>

int main(int argc, char** argv)
{
    FluxoDoConsole paraSaida(Fluxo::Saida);
    FluxoDoConsole paraErros(Fluxo::Erros);
    std::ostream saida(&paraSaida);
    std::ostream erros(&paraErros);
    // Each error goes out at once, so that it keeps its place among the results.
    erros << std::unitbuf;
    const int codigo = ExecutarCartao(ArgumentosDoProcesso(argc, argv), saida, erros);
    saida.flush();
    return codigo;
}
