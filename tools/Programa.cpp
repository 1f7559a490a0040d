#include "Programa.h"

#include "Comandos.h"

#include <algorithm>
#include <ostream>

std::string TextoDeAjuda()
{
    return "Uso: ortelo-cartao COMANDO [OPÇÕES] ARQUIVO...\n"
           "\n"
           "Verifica, mostra, desenha e compara arquivos de configuração de cartão (.cfg).\n"
           "\n"
           "Comandos:\n"
           "  verificar [--json] ARQ...\n"
           "      Lê cada arquivo como o Ortelo o lê e lista os avisos de leiaute: grupos\n"
           "      sobrepostos, com lacunas ou invertidos; número de linhas diferente da\n"
           "      última linha do último grupo; tipo, dígito verificador, porta serial,\n"
           "      forma de leitura ou habilitação fora dos valores aceitos; dígito\n"
           "      verificador sem grupo de inscrição; número de item ou coluna em branco\n"
           "      não mascarados; grupo desabilitado com posições lidas; célula mascarada\n"
           "      abaixo do último grupo; caractere de máscara que não é 0 nem 1; elemento\n"
           "      1081 da máscara diferente de 0.\n"
           "      Cada aviso vem como ARQ:N: ..., em que N é a linha do arquivo; \"linha\" e\n"
           "      \"coluna\" no texto são posições do cartão.\n"
           "      --json  escreve o mesmo resultado em JSON, para scripts.\n"
           "  mostrar ARQ\n"
           "      Resumo legível: configurações, grupos com seus itens e a máscara em grade.\n"
           "  desenhar ARQ -o SAIDA.png|SAIDA.svg [--escala N] [--recortar]\n"
           "      Desenha o cartão como a janela do Ortelo o mostra ao abrir o arquivo.\n"
           "      PNG: os mesmos pixels, ampliados N vezes (N de 1 a 8, padrão 1).\n"
           "      SVG: desenho vetorial com a mesma geometria, para impressão; N dá o\n"
           "      tamanho da página.\n"
           "      --recortar  corta a figura logo abaixo das linhas do cartão; sem ela,\n"
           "      a figura tem a altura da janela (240 x 850 pixels na escala 1).\n"
           "  comparar A B\n"
           "      Lista o que difere entre dois cartões: configurações, campos de cada\n"
           "      grupo e células da máscara, por grupo, linha e coluna.\n"
           "\n"
           "Opções gerais:\n"
           "  -h, --help  mostra esta ajuda.\n"
           "  --version   mostra a versão.\n"
           "  --          encerra as opções; o que vem depois é nome de arquivo.\n"
           "\n"
           "Códigos de saída:\n"
           "  0  tudo certo: nenhum aviso, ou cartões iguais;\n"
           "  1  avisos encontrados, ou cartões diferentes;\n"
           "  2  erro de uso ou arquivo que não pôde ser lido ou gravado.\n"
           "\n"
           "O texto sai em UTF-8; num console do Windows, com os acentos certos.\n";
}

namespace {

// As Ortelo --version answers for itself.
std::string TextoDeVersao()
{
    return "ortelo-cartao " ORTELO_VERSAO "\n";
}

}  // namespace

int ErroDeUso(std::ostream& erros, const std::string& mensagem)
{
    erros << "ortelo-cartao: " << mensagem << "\n"
          << "Use \"ortelo-cartao --help\" para ver as opções.\n";
    return SaidaErro;
}

int ExecutarCartao(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros)
{
    // Help, then the version, win wherever they are asked for, except as a file name after "--".
    const auto fimDasOpcoes = std::find(argumentos.begin(), argumentos.end(), "--");
    const auto pedido = [&](std::initializer_list<const char*> nomes) {
        return std::any_of(argumentos.begin(), fimDasOpcoes, [&](const std::string& a) {
            return std::find(nomes.begin(), nomes.end(), a) != nomes.end();
        });
    };
    if (pedido({"-h", "--help"})) {
        saida << TextoDeAjuda();
        return SaidaOk;
    }
    if (pedido({"--version"})) {
        saida << TextoDeVersao();
        return SaidaOk;
    }
    if (argumentos.empty())
        return ErroDeUso(erros, "falta o comando (verificar, mostrar, desenhar ou comparar).");

    const std::string& comando = argumentos.front();
    const Argumentos resto(argumentos.begin() + 1, argumentos.end());
    if (comando == "verificar")
        return ComandoVerificar(resto, saida, erros);
    if (comando == "mostrar")
        return ComandoMostrar(resto, saida, erros);
    if (comando == "desenhar")
        return ComandoDesenhar(resto, saida, erros);
    if (comando == "comparar")
        return ComandoComparar(resto, saida, erros);
    return ErroDeUso(erros, "comando desconhecido: \"" + comando + "\".");
}
