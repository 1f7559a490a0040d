#pragma once

// The window's own texts, Brazilian Portuguese, exactly as the operator sees them.

#include "ListasDoCartao.h"

#include <QString>
#include <QStringList>

namespace Textos {

template <std::size_t N>
QStringList ListaDeTextos(const std::array<std::string_view, N>& textos)
{
    QStringList lista;
    for (const std::string_view texto : textos)
        lista.append(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
    return lista;
}

inline const QString TituloJanela = QStringLiteral("Ortelo - Pelunca");
inline const QString NomePrograma = QStringLiteral("Ortelo");
inline const QString FaixaPelunca = QStringLiteral("Pelunca Leitoras Ópticas");
inline const QString DescricaoPrograma = QStringLiteral("Configuração dos cartões da leitora óptica de marcas");

inline const QString CaixaArquivo = QStringLiteral("Arquivo da Configuração:");
inline const QString ArquivoAtual = QStringLiteral("Arquivo atual");
inline const QString BotaoNovo = QStringLiteral("&Novo");
inline const QString DicaNovo = QStringLiteral("Abre um arquivo novo");
inline const QString BotaoAbrir = QStringLiteral("&Abrir");
inline const QString DicaAbrir = QStringLiteral("Abre um arquivo de configuração do cartão");
inline const QString BotaoSalvar = QStringLiteral("&Salvar...");
inline const QString DicaSalvar = QStringLiteral("Salva o cartão num arquivo de configuração");

inline const QString CaixaCartao = QStringLiteral("Configuração da Leitora e do Cartão: ");
inline const QString CaixaSerial = QStringLiteral("Porta serial:");
inline const QStringList PortasSeriais{QStringLiteral("COM 1"), QStringLiteral("COM 2"), QStringLiteral("COM 3"),
                                       QStringLiteral("COM 4"), QStringLiteral("COM 5"), QStringLiteral("COM 6"),
                                       QStringLiteral("COM 7"), QStringLiteral("COM 8"), QStringLiteral("COM 9")};
inline const QString FormaLeitura = QStringLiteral("Forma de leitura :");
inline const QStringList ItensFormaLeitura{QStringLiteral("&Unidirecional"), QStringLiteral("&Bidirecional")};
inline const QString DicaFormaLeitura = QStringLiteral(
    "Unidirecional: Cartão por trás, leitura em sentido único - Bidirecional: Cartão pela prente, leitura em dois "
    "sentidos");
inline const QString CaixaFormato = QStringLiteral("Formato do Cartão :");
inline const QString DicaFormato = QStringLiteral("Número de linhas e grupos do cartão");
inline const QString NumeroDeGrupos = QStringLiteral("Número de grupos do cartão............ ");
inline const QString DicaMaxGrupo = QStringLiteral("Número total de grupos do cartão");
inline const QString NumeroDeLinhas = QStringLiteral("Número de linhas do cartão.............. ");
inline const QString DicaNumLinha = QStringLiteral("Número de linhas do cartão: a linha final do último grupo");

inline const QString CaixaGrupo = QStringLiteral("Estrutura do Grupo:");
inline const QString NumeroDoGrupo = QStringLiteral("Número do grupo");
inline const QString LinhaInicialDoGrupo = QStringLiteral("Número da linha inicial do grupo.................................");
inline const QString LinhaFinalDoGrupo = QStringLiteral("Número da linha final do grupo....................................");
inline const QString NomeDoGrupo = QStringLiteral("Nome do grupo");
inline const QString TipoDoGrupo = QStringLiteral("Tipo do grupo");
inline const QString DigitoVerificador = QStringLiteral("Dígito verificador");
inline const QString Habilitado = QStringLiteral("Habilitado :");
inline const QStringList ItensHabilitado{QStringLiteral("Si&m"), QStringLiteral("Nã&o")};
inline const QString DicaHabilitado = QStringLiteral(
    "Se o grupo em foco não estiver habilitado os campos deste grupo serão desprezadas");
inline const QString DicaNumGrupo = QStringLiteral("Número do grupo em foco");
inline const QString DicaNome = QStringLiteral("Determina o nome do grupo em foco");
inline const QString DicaDivisao = QStringLiteral("Determina o tipo do grupo em foco");
inline const QString DicaLinhaFinal = QStringLiteral("Determina a linha final do grupo em foco");
inline const QString DicaLinhaInicial = QStringLiteral("Determina a linha inicial do grupo em foco");
inline const QString DicaDigito = QStringLiteral("Define o tipo de verificação a ser feita no campo da inscrição");
inline const QStringList TiposDeGrupo = ListaDeTextos(NomesDosTipos);
inline const QStringList DigitosVerificadores = ListaDeTextos(NomesDosDigitos);

inline const QString CaixaMascara = QStringLiteral("Máscara do Cartão:");
inline const QString MascaraDesligada = QStringLiteral("&Definir Manualmente os Campos Mascarados");
inline const QString MascaraLigada = QStringLiteral("Click Aqui Quando &Terminar a seleção");
inline const QString DicaMascara = QStringLiteral("Mascara os campos do cartão cujas informações são irrelevantes");

// The card picture for screen readers: the scroll box, the picture and its cursor cell.
inline const QString NomeDesenho = QStringLiteral("Desenho do cartão");
inline const QString DicaDesenho = QStringLiteral(
    "As setas, Home, End, Page Up e Page Down movem o cursor; Espaço e Shift+Espaço agem como os cliques do "
    "mouse na posição do cursor");
inline const QString CelulaDoGrupo = QStringLiteral("Linha %1, coluna %2, grupo %3: %4");
inline const QString CelulaForaDosGrupos = QStringLiteral("Linha %1, coluna %2: fora dos grupos");
inline const QString CelulaLida = QStringLiteral("lida");
inline const QString CelulaIgnorada = QStringLiteral("ignorada");
inline const QString LogotipoPelunca = QStringLiteral("Logotipo da Pelunca");

inline const QString BotaoAjuda = QStringLiteral("A&juda");
inline const QString DicaAjuda = QStringLiteral("Ajuda para configurar o leitora");
inline const QString BotaoFechar = QStringLiteral("&Fechar");
inline const QString DicaFechar = QStringLiteral("Fecha o programa");

inline const QString TituloAbrir = QStringLiteral("Abrir Arquivo de Configuração");
inline const QString TituloSalvar = QStringLiteral("Salvar Arquivo de Configuração Como...");
inline const QString FiltroArquivos = QStringLiteral("Configuração (*.cfg)");

inline const QString TituloMensagens = QStringLiteral("Erro!");
inline const QString PerguntaAntesDeAbrir = QStringLiteral("O arquivo não foi salvo. Salvar antes de abrir um arquivo novo?");
inline const QString PerguntaAntesDeSair = QStringLiteral("O arquivo não foi salvo. Salvar antes de sair?");
inline const QString PerguntaRecuperarArquivo = QStringLiteral(
    "O programa foi encerrado sem salvar as alterações do arquivo \"%1\", feitas em %2. Recuperar as alterações?");
inline const QString PerguntaRecuperarArquivoMaisNovo = QStringLiteral(
    "O programa foi encerrado sem salvar as alterações do arquivo \"%1\", feitas em %2. O arquivo foi salvo "
    "depois delas e é mais novo que as alterações recuperadas. Recuperar as alterações mesmo assim?");
inline const QString PerguntaRecuperarCartaoNovo = QStringLiteral(
    "O programa foi encerrado sem salvar as alterações de um cartão novo, feitas em %1. Recuperar as alterações?");
inline const QString RecuperacaoIndisponivel = QStringLiteral(
    "Não é possível gravar o arquivo de recuperação na pasta do programa: as alterações não salvas não "
    "estão protegidas contra uma queda do programa.");
inline const QString ArquivoNaoAbertoPorRecuperacao = QStringLiteral(
    "O arquivo \"%1\" não foi aberto, porque as alterações recuperadas vêm primeiro. Salve-as e depois abra o "
    "arquivo pelo botão Abrir.");
inline const QString ErroDeLeitura = QStringLiteral("O arquivo não foi encontrado ou houve erro de leitura do arquivo.");

// A drop that is no card file to open, and a character the name box refuses.
inline const QString SolturaDeVariosArquivos = QStringLiteral("Só um arquivo pode ser aberto de cada vez: solte um só.");
inline const QString SolturaDePasta = QStringLiteral("\"%1\" é uma pasta, não um arquivo de configuração.");
inline const QString SolturaDeOutroComputador = QStringLiteral(
    "\"%1\" não está neste computador: só arquivos locais podem ser abertos.");
inline const QString CaractereRecusado = QStringLiteral("O nome do grupo não pode guardar o caractere %1.");
inline const QString CaracteresRecusados = QStringLiteral("O nome do grupo não pode guardar os caracteres %1.");

// The command line, answered on standard output or standard error without a window.
inline const QString AjudaLinhaDeComando = QStringLiteral(
    "Uso: ortelo [ARQUIVO]\n"
    "Edita a configuração dos cartões da leitora óptica de marcas.\n"
    "\n"
    "Sem ARQUIVO, abre o último arquivo de configuração aberto ou salvo. Com ARQUIVO, abre esse\n"
    "arquivo (.cfg) ao iniciar, como o botão Abrir; se ele for recusado, a janela diz por quê e\n"
    "mostra o cartão de sempre. Se houver alterações não salvas para recuperar e a recuperação for\n"
    "aceita, o ARQUIVO não é aberto, para que as alterações recuperadas não se percam.\n"
    "\n"
    "Opções:\n"
    "  --help     mostra esta ajuda e sai\n"
    "  --version  mostra a versão e sai\n"
    "  --         termina as opções (para um ARQUIVO cujo nome começa com \"-\")\n");
inline const QString VersaoDoPrograma = QStringLiteral("Ortelo %1\n");
inline const QString UsoResumido = QStringLiteral(
    "Uso: ortelo [ARQUIVO]\n"
    "Use \"ortelo --help\" para mais informações.\n");
inline const QString OpcaoDesconhecida = QStringLiteral("opção desconhecida: %1");
inline const QString ArquivosDemais = QStringLiteral("só um arquivo pode ser aberto de cada vez.");
inline const QString ArquivoVazio = QStringLiteral("o nome do arquivo está vazio.");

}  // namespace Textos
