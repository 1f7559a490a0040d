// ortelo-cartao verificar: every file read by the program's own reader, then its layout warnings.

#include "Avisos.h"
#include "Comandos.h"
#include "LeituraCartao.h"
#include "Opcoes.h"
#include "Programa.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <ostream>

namespace {

struct Resultado {
    std::string Caminho;
    CartaoLido Leitura;
    std::vector<Aviso> Avisos;
};

Resultado Verificar(const std::string& caminho)
{
    Resultado resultado{caminho, LerCartao(caminho), {}};
    if (resultado.Leitura.Cartao)
        resultado.Avisos = VerificarCartao(*resultado.Leitura.Cartao);
    return resultado;
}

std::string Local(const Aviso& aviso)
{
    std::string local;
    if (aviso.Grupo)
        local = "grupo " + std::to_string(aviso.Grupo);
    if (aviso.Linha)
        local += (local.empty() ? "" : ", ") + std::string("linha ") + std::to_string(aviso.Linha) + ", coluna " +
                 std::to_string(aviso.Coluna);
    return local.empty() ? local : local + ": ";
}

void EscreverTexto(std::ostream& saida, const Resultado& r)
{
    if (!r.Leitura.Cartao) {
        saida << RelatoDoErro(r.Caminho, r.Leitura);
        return;
    }
    if (r.Avisos.empty())
        saida << r.Caminho << ": sem avisos\n";
    for (const Aviso& aviso : r.Avisos)
        saida << PrefixoDoArquivo(r.Caminho, aviso.LinhaDoArquivo) << Local(aviso) << aviso.Mensagem << "\n";
}

QString Utf8(const std::string& texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

QJsonObject ParaJson(const Resultado& r)
{
    QJsonObject arquivo{{"arquivo", QFile::decodeName(QByteArray::fromStdString(r.Caminho))},
                        {"lido", r.Leitura.Cartao.has_value()}};
    if (!r.Leitura.Cartao) {
        QJsonObject erro{{"mensagem", Utf8(r.Leitura.Erro)}};
        if (r.Leitura.LinhaDoErro > 0)
            erro["linhaDoArquivo"] = r.Leitura.LinhaDoErro;
        arquivo["erro"] = erro;
    }
    QJsonArray avisos;
    for (const Aviso& aviso : r.Avisos) {
        QJsonObject objeto{{"codigo", CodigoDoAviso(aviso.Tipo)},
                           {"mensagem", Utf8(aviso.Mensagem)},
                           {"linhaDoArquivo", aviso.LinhaDoArquivo}};
        if (aviso.Grupo)
            objeto["grupo"] = aviso.Grupo;
        if (aviso.Linha) {
            objeto["linha"] = aviso.Linha;
            objeto["coluna"] = aviso.Coluna;
        }
        avisos.append(objeto);
    }
    arquivo["avisos"] = avisos;
    return arquivo;
}

}  // namespace

int ComandoVerificar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros)
{
    const Opcoes opcoes = LerOpcoes(argumentos, {"--json"}, {});
    if (!opcoes.Erro.empty())
        return ErroDeUso(erros, opcoes.Erro);
    if (opcoes.Arquivos.empty())
        return ErroDeUso(erros, "verificar precisa de ao menos um arquivo.");
    const bool json = opcoes.Chaves.count("--json") > 0;

    int naoLidos = 0, comAvisos = 0, totalDeAvisos = 0;
    QJsonArray arquivos;
    for (const std::string& caminho : opcoes.Arquivos) {
        const Resultado resultado = Verificar(caminho);
        naoLidos += resultado.Leitura.Cartao ? 0 : 1;
        comAvisos += resultado.Avisos.empty() ? 0 : 1;
        totalDeAvisos += static_cast<int>(resultado.Avisos.size());
        if (json)
            arquivos.append(ParaJson(resultado));
        else
            EscreverTexto(saida, resultado);
    }

    const int codigo = naoLidos ? SaidaErro : comAvisos ? SaidaProblemas : SaidaOk;
    if (json) {
        const QJsonObject raiz{{"arquivos", arquivos}, {"codigoDeSaida", codigo}};
        saida << QJsonDocument(raiz).toJson(QJsonDocument::Indented).toStdString();
    } else if (opcoes.Arquivos.size() > 1) {
        const std::size_t total = opcoes.Arquivos.size();
        saida << total << " arquivos: " << total - static_cast<std::size_t>(naoLidos + comAvisos) << " sem avisos, "
              << comAvisos << " com avisos (" << totalDeAvisos << (totalDeAvisos == 1 ? " aviso), " : " avisos), ")
              << naoLidos << (naoLidos == 1 ? " não pôde ser lido\n" : " não puderam ser lidos\n");
    }
    return codigo;
}
