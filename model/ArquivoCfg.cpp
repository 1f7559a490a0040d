#include "ArquivoCfg.h"

#include "ErroCartao.h"
#include "GravacaoAtomica.h"
#include "LeituraDeArquivo.h"
#include "NomeDeDispositivo.h"

namespace {

void Escrever(std::string& saida, std::string_view texto)
{
    saida += texto;
    saida += "\r\n";
}

void EscreverInteiro(std::string& saida, long long valor) { Escrever(saida, std::to_string(valor)); }

void EscreverCaractere(std::string& saida, char caractere) { Escrever(saida, std::string_view(&caractere, 1)); }

}  // namespace

std::string ConteudoArquivoCfg(const TCartao& cartao)
{
    std::string saida;
    saida.reserve(4096);
    EscreverInteiro(saida, cartao.PortaSerial);
    EscreverCaractere(saida, cartao.FormaLeitura);
    EscreverInteiro(saida, cartao.NumLinhas);
    EscreverInteiro(saida, cartao.NumGrupos);
    EscreverInteiro(saida, cartao.DigitoVerificador);
    // Records beyond the table are never written, whatever the count says.
    for (int g = 1; g <= cartao.NumGrupos && g <= MaxGrupos; ++g) {
        const TGrupo& grupo = cartao.Grupos[g];
        Escrever(saida, grupo.Nome);
        EscreverInteiro(saida, grupo.LinhaInicial);
        EscreverInteiro(saida, grupo.LinhaFinal);
        EscreverInteiro(saida, grupo.Tipo);
        EscreverInteiro(saida, grupo.Habilitado);
    }
    // The mask is most of the file: three bytes a line, written in place.
    const std::size_t inicio = saida.size();
    saida.resize(inicio + 3 * TamanhoMascara);
    char* destino = saida.data() + inicio;
    for (int k = 1; k <= TamanhoMascara; ++k, destino += 3) {
        destino[0] = cartao.Mascara[k];
        destino[1] = '\r';
        destino[2] = '\n';
    }
    return saida;
}

void GravarArquivoCfg(const std::string& caminho, const TCartao& cartao)
{
    RecusarDispositivo(caminho);
    GravarArquivoAtomico(caminho, ConteudoArquivoCfg(cartao));
}

void LerArquivoCfg(const std::string& caminho, TCartao& cartao)
{
    RecusarDispositivo(caminho);
    ResultadoCfg resultado = InterpretarCfg(LerArquivoInteiro(caminho), cartao);
    if (!resultado.Cartao)
        throw ErroCartao(resultado.Recusa.Razao, resultado.Recusa.Linha);
    cartao = std::move(*resultado.Cartao);
}
