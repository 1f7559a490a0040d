#include "UltimoArquivo.h"

#include "GravacaoAtomica.h"
#include "LeitorLinhas.h"

std::string LerUltimoArquivo(const std::string& arqCfgInf)
{
    LeitorLinhas leitor(arqCfgInf);
    return leitor.LerLinha().value_or(std::string());
}

void GravarUltimoArquivo(const std::string& arqCfgInf, const std::string& caminho)
{
    GravarArquivoAtomico(arqCfgInf, caminho);
}
