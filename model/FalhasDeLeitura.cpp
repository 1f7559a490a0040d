#include "FalhasDeLeitura.h"

#include "ErroCartao.h"
#include "LeituraDeArquivo.h"
#include "MotivoSistema.h"

void FalharLeitura(const std::string& acao, const std::string& caminho, int erro)
{
    throw ErroCartao(acao + " \"" + caminho + "\": " + MotivoSistema(erro));
}

void RecusarTamanho(const std::string& caminho)
{
    throw ErroCartao("Não foi possível ler \"" + caminho + "\": o arquivo tem mais de " +
                     std::to_string(TamanhoMaximoDeArquivo >> 20) + " MiB.");
}
