// The commands as a user runs them: bad inputs, usage errors, the JSON report and the pictures.

#include "CartoesDeTeste.h"
#include "Figura.h"
#include "LeituraDeArquivo.h"
#include "Programa.h"
#include "SistemaDeTeste.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

struct Execucao {
    int Codigo;
    std::string Saida, Erros;
};

Execucao Executar(const std::vector<std::string>& argumentos)
{
    std::ostringstream saida, erros;
    const int codigo = ExecutarCartao(argumentos, saida, erros);
    return {codigo, saida.str(), erros.str()};
}

// The report line of one file: its name, then ":" and either the file line or a blank.
std::string LinhaDe(const std::string& saida, const std::string& caminho)
{
    std::istringstream linhas(saida);
    for (std::string linha; std::getline(linhas, linha);)
        if (linha.rfind(caminho + ":", 0) == 0 && linha.size() > caminho.size() + 1 &&
            (linha[caminho.size() + 1] == ' ' || std::isdigit(static_cast<unsigned char>(linha[caminho.size() + 1]))))
            return linha;
    return {};
}

class Programa : public ::testing::Test {
protected:
    PastaDeTeste pasta;
    const std::string bom = pasta.Gravar("bom.cfg", CartaoDoEditor());
};

TEST_F(Programa, EveryBadFileIsReportedOnItsOwnAndTheOthersAreStillChecked)
{
    TCartao comAviso = CartaoDoEditor();
    comAviso.PortaSerial = 0;
    const std::string avisado = pasta.Gravar("aviso.cfg", comAviso);

    std::string binario;
    for (int i = 0; i < 4096; ++i)
        binario.push_back(static_cast<char>(i * 7 % 256));
    const std::string fifo = pasta.Caminho("fila.cfg");
    ASSERT_TRUE(CriarFifo(fifo));
    const std::string enorme = pasta.Gravar("enorme.cfg", "");
    ASSERT_EQ(::truncate(enorme.c_str(), 20 << 20), 0);  // sparse: 20 MiB without a line end

    const struct {
        std::string Caminho, Trecho;
    } ruins[] = {
        {pasta.Caminho("falta.cfg"), "Não foi possível abrir"},
        {pasta.Caminho(""), "não é um arquivo comum"},
        {fifo, "não é um arquivo comum"},
        {pasta.Gravar("binario.cfg", binario), "não parece um arquivo de cartão"},
        {pasta.Gravar("vazio.cfg", ""), "está vazio"},
        {pasta.Gravar("curto.cfg", ConteudoArquivoCfg(CartaoDoEditor()).substr(0, 3000)), "termina na linha"},
        {enorme, ""},
    };
    std::vector<std::string> argumentos{"verificar"};
    for (const auto& ruim : ruins)
        argumentos.push_back(ruim.Caminho);
    argumentos.push_back(bom);
    argumentos.push_back(avisado);

    const Execucao r = Executar(argumentos);
    EXPECT_EQ(r.Codigo, SaidaErro);
    for (const auto& ruim : ruins)
        EXPECT_THAT(LinhaDe(r.Saida, ruim.Caminho), AllOf(HasSubstr(" erro: "), HasSubstr(ruim.Trecho))) << ruim.Caminho;
    EXPECT_THAT(r.Saida, HasSubstr(pasta.Caminho("binario.cfg") + ": erro:"));
    EXPECT_THAT(r.Saida, HasSubstr(bom + ": sem avisos\n"));
    EXPECT_THAT(r.Saida, HasSubstr(avisado + ":1: porta serial 0 fora do intervalo de 1 a 9\n"));
    EXPECT_THAT(r.Saida, HasSubstr("9 arquivos: 1 sem avisos, 1 com avisos (1 aviso), 7 não puderam ser lidos\n"));
}

TEST_F(Programa, UsageErrorsExplainThemselves)
{
    const struct {
        std::vector<std::string> Argumentos;
        std::string Trecho;
    } casos[] = {
        {{}, "falta o comando"},
        {{"verificar"}, "ao menos um arquivo"},
        {{"verificar", "--xml", "a.cfg"}, "opção desconhecida: \"--xml\""},
        {{"comparar", "a.cfg"}, "exatamente dois arquivos"},
        {{"desenhar", "a.cfg"}, "falta a saída"},
        {{"desenhar", "a.cfg", "-o", "a.gif"}, "terminar em .png ou .svg"},
        {{"desenhar", "a.cfg", "-o", "a.png", "--escala", "2x"}, "de 1 a 8: \"2x\""},
    };
    for (const auto& caso : casos) {
        const Execucao r = Executar(caso.Argumentos);
        EXPECT_EQ(r.Codigo, SaidaErro) << caso.Trecho;
        EXPECT_THAT(r.Erros, HasSubstr(caso.Trecho));
        EXPECT_THAT(r.Erros, HasSubstr("ortelo-cartao --help"));
        EXPECT_EQ(r.Saida, "");
    }
}

TEST_F(Programa, AfterDoubleDashEvenHelpIsAFileName)
{
    const Execucao r = Executar({"verificar", "--", "--help"});
    EXPECT_EQ(r.Codigo, SaidaErro);
    EXPECT_THAT(r.Saida, HasSubstr("--help: erro: Não foi possível abrir"));
}

TEST_F(Programa, JsonCarriesTheSameResults)
{
    TCartao comAviso = CartaoDoEditor();
    Celula(comAviso, 2, 2) = Lido;
    const std::string avisado = pasta.Gravar("aviso.cfg", comAviso);
    const std::string vazio = pasta.Gravar("vazio.cfg", "");

    const Execucao r = Executar({"verificar", "--json", bom, avisado, vazio});
    EXPECT_EQ(r.Codigo, SaidaErro);
    const QJsonObject raiz = QJsonDocument::fromJson(QByteArray::fromStdString(r.Saida)).object();
    EXPECT_EQ(raiz["codigoDeSaida"].toInt(), SaidaErro);
    const QJsonArray arquivos = raiz["arquivos"].toArray();
    ASSERT_EQ(arquivos.size(), 3);

    EXPECT_EQ(arquivos[0]["arquivo"].toString().toStdString(), bom);
    EXPECT_TRUE(arquivos[0]["lido"].toBool());
    EXPECT_TRUE(arquivos[0]["avisos"].toArray().isEmpty());

    const QJsonObject aviso = arquivos[1]["avisos"].toArray()[0].toObject();
    EXPECT_EQ(aviso, (QJsonObject{{"codigo", "rotulo-nao-mascarado"},
                                  {"mensagem", "posição do número do item não mascarada"},
                                  {"linhaDoArquivo", 15 + IndiceCelula(2, 2)},
                                  {"grupo", 1},
                                  {"linha", 2},
                                  {"coluna", 2}}));

    EXPECT_FALSE(arquivos[2]["lido"].toBool());
    EXPECT_FALSE(arquivos[2]["erro"].toObject().contains("linhaDoArquivo")) << "an empty file has no line at fault";
    EXPECT_EQ(arquivos[2]["erro"]["mensagem"].toString().toStdString(), "O arquivo está vazio.");
}

// Cropped, a picture ends 2 rows below the frame (the margin it has on top), or below a group
// drawn past the frame, and below that the whole picture holds only the button face.
TEST_F(Programa, ScaledAndCroppedPicturesAreTheWindowPixelsInBlocks)
{
    TCartao alem = CartaoDoEditor();  // one group: the window draws the file's 12 lines, the group 20
    alem.NumGrupos = 1;
    alem.NumLinhas = 12;
    alem.Grupos[1] = TGrupo{"", 1, 20, 3, 1};
    const struct {
        TCartao Cartao;
        int Escala;
        bool Recortar;
        int Altura;
    } casos[] = {{CartaoDoEditor(), 1, false, 850}, {CartaoDoEditor(), 2, false, 850}, {CartaoDoEditor(), 8, false, 850},
                 {CartaoDoEditor(), 1, true, 9 * 6 + 22}, {CartaoDoEditor(), 3, true, 9 * 6 + 22}, {alem, 2, true, 9 * 20 + 22}};
    for (const auto& caso : casos) {
        const std::string arquivo = pasta.Gravar("c.cfg", caso.Cartao), png = pasta.Caminho("c.png");
        std::vector<std::string> argumentos{"desenhar", arquivo, "-o", png, "--escala", std::to_string(caso.Escala)};
        if (caso.Recortar)
            argumentos.push_back("--recortar");
        ASSERT_EQ(Executar(argumentos).Codigo, SaidaOk);
        const QImage imagem = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
        const QImage original = ImagemDoCartao(caso.Cartao, 1).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(imagem.size(), QSize(original.width(), caso.Altura) * caso.Escala);
        int diferentes = 0, abaixo = 0;
        for (int y = caso.Altura - 2; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x)
                abaixo += original.pixel(x, y) != qRgb(0xEF, 0xEF, 0xEF);
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                diferentes += imagem.pixel(x, y) != original.pixel(x / caso.Escala, y / caso.Escala);
        EXPECT_EQ(diferentes, 0) << caso.Escala;
        EXPECT_EQ(abaixo, 0) << "the cut left out something drawn";

        argumentos[3] = pasta.Caminho("c.svg");
        ASSERT_EQ(Executar(argumentos).Codigo, SaidaOk);
        EXPECT_THAT(LerArquivoInteiro(argumentos[3]), HasSubstr("height=\"" + std::to_string(caso.Altura * caso.Escala) +
                                                                "\" viewBox=\"0 0 240 " + std::to_string(caso.Altura) + "\""));
    }
}

TEST_F(Programa, VersionAnswersAsOrteloDoesWhereverItIsAsked)
{
    for (const std::vector<std::string>& argumentos : {std::vector<std::string>{"--version"}, {"mostrar", "--version", "x"}}) {
        const Execucao r = Executar(argumentos);
        EXPECT_EQ(r.Codigo, SaidaOk);
        EXPECT_EQ(r.Saida, "ortelo-cartao " ORTELO_VERSAO "\n");
        EXPECT_EQ(r.Erros, "");
    }
    EXPECT_EQ(Executar({"mostrar", "--", "--version"}).Codigo, SaidaErro) << "after -- it is a file name";
}

TEST_F(Programa, AnUnwritableOutputIsAnErrorNamingIt)
{
    const std::string destino = pasta.Caminho("falta/c.svg");
    const Execucao r = Executar({"desenhar", bom, "-o", destino});
    EXPECT_EQ(r.Codigo, SaidaErro);
    EXPECT_THAT(r.Erros, HasSubstr(destino + ": erro:"));
}

// Windows would open these as its devices; the name alone refuses them, with why.
TEST_F(Programa, SistemaWindowsRefusesDeviceNamesUnopened)
{
    const Execucao verificar = Executar({"verificar", "COM3.cfg", bom});
    EXPECT_EQ(verificar.Codigo, SaidaErro);
    EXPECT_THAT(verificar.Saida, HasSubstr("COM3.cfg: erro: \"COM3.cfg\" não pode ser usado: COM3 é o nome de um "
                                           "dispositivo do Windows, não de um arquivo."));
    const Execucao desenhar = Executar({"desenhar", bom, "-o", "Nul.png"});
    EXPECT_EQ(desenhar.Codigo, SaidaErro);
    EXPECT_THAT(desenhar.Erros, HasSubstr("Nul é o nome de um dispositivo do Windows"));
}

}  // namespace
