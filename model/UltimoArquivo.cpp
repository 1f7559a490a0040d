#include "UltimoArquivo.h"

#include "CaminhoGravado.h"
#include "GravacaoAtomica.h"
#include "LeitorLinhas.h"
#include "LeituraDeArquivo.h"

std::string InterpretarUltimoArquivo(std::string_view bytes)
{
    return CaminhoGravadoNoSistema(std::string(LeitorLinhas(bytes).LerLinha().value_or(std::string_view())));
}

std::string LerUltimoArquivo(const std::string& arqCfgInf)
{
    return InterpretarUltimoArquivo(LerArquivoInteiro(arqCfgInf));
}

void GravarUltimoArquivo(const std::string& arqCfgInf, const std::string& caminho)
{
    GravarArquivoAtomico(arqCfgInf, CaminhoParaGravar(caminho));
}
