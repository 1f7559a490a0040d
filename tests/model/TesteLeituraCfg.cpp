#include "Apoio.h"
#include "ArquivoCfg.h"
#include "ErroCartao.h"
#include "SistemaDeTeste.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using ::testing::HasSubstr;

// The lines of the first-time card's file, to be altered by each test.
std::vector<std::string> LinhasIniciais()
{
    std::vector<std::string> linhas{"1", "B", "1", "1", "0", "", "1", "1", "0", "1"};
    linhas.resize(LinhasDoArquivoCfg(1), "0");
    return linhas;
}

std::string Juntar(const std::vector<std::string>& linhas, const std::string& fim = "\r\n")
{
    std::string bytes;
    for (const auto& linha : linhas)
        bytes += linha + fim;
    return bytes;
}

class LeituraCfg : public ::testing::Test {
protected:
    // Reads `bytes` into `cartao` as a file read would; returns the refusal, or nothing on success.
    std::optional<RecusaCfg> Ler(const std::string& bytes)
    {
        ResultadoCfg resultado = InterpretarCfg(bytes, cartao);
        if (!resultado.Cartao)
            return resultado.Recusa;
        cartao = *resultado.Cartao;
        return std::nullopt;
    }

    // Expects the bytes to be refused at `linha`, for a reason holding `trecho`.
    void EsperarRecusa(const std::string& bytes, int linha, const std::string& trecho)
    {
        const auto recusa = Ler(bytes);
        ASSERT_TRUE(recusa.has_value());
        EXPECT_EQ(recusa->Linha, linha) << recusa->Razao;
        EXPECT_THAT(recusa->Razao, HasSubstr(trecho));
    }

    PastaTemporaria pasta;
    TCartao cartao = CartaoInicial();
};

TEST_F(LeituraCfg, VariedCardsSurviveWriteReadWriteByteForByte)
{
    TCartao original = CartaoInicial();
    original.PortaSerial = 9;
    original.FormaLeitura = 'U';
    original.NumGrupos = 10;
    original.NumLinhas = 90;
    original.DigitoVerificador = 4;
    for (int g = 1; g <= 10; ++g) {
        const int inicio = g == 1 ? 1 : original.Grupos[g - 1].LinhaFinal + 1;
        original.Grupos[g] = TGrupo{"  Grupo \xC7\xE3o \x80 " + std::to_string(g) + " ", inicio,
                                    g == 10 ? 90 : inicio + g, g, static_cast<std::uint8_t>(g % 3)};
    }
    for (int k = 1; k <= TamanhoMascara; k += 7)
        original.Mascara[k] = Mascarado;
    original.Mascara[TamanhoMascara] = Mascarado;
    GravarArquivoCfg(pasta.Caminho("a.cfg"), original);

    LerArquivoCfg(pasta.Caminho("a.cfg"), cartao);
    EXPECT_EQ(cartao, original);
    GravarArquivoCfg(pasta.Caminho("b.cfg"), cartao);
    EXPECT_EQ(LerBytes(pasta.Caminho("b.cfg")), LerBytes(pasta.Caminho("a.cfg")));
}

TEST_F(LeituraCfg, LineEndsCrAndCrLfReadAlikeButLfAloneIsText)
{
    auto linhas = LinhasIniciais();
    linhas[0] = "7";
    ASSERT_FALSE(Ler(Juntar(linhas, "\r")));
    EXPECT_EQ(cartao.PortaSerial, 7);

    EsperarRecusa(Juntar(LinhasIniciais(), "\n"), 1, "linha 1");

    linhas[5] = "dois\nlinhas";
    ASSERT_FALSE(Ler(Juntar(linhas)));
    EXPECT_EQ(cartao.Grupos[1].Nome, "dois\nlinhas");
}

TEST_F(LeituraCfg, IntegerLinesAcceptBlanksAndSignOnlyBeforeDecimalDigits)
{
    const std::vector<std::pair<std::string, int>> aceitos{
        {"7", 7}, {" 7", 7}, {"  +7", 7}, {"-7", -7}, {"007", 7}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}};
    for (const auto& [texto, valor] : aceitos) {
        auto linhas = LinhasIniciais();
        linhas[0] = texto;
        ASSERT_FALSE(Ler(Juntar(linhas))) << texto;
        EXPECT_EQ(cartao.PortaSerial, valor) << texto;
    }
    // Hexadecimal forms are refused: the writer never produces them.
    for (const std::string texto : {"7 ", "", " ", "+", "-", "7a", "1.0", "$10", "0x10", "2147483648", "-2147483649",
                                    "99999999999999999999"}) {
        auto linhas = LinhasIniciais();
        linhas[0] = texto;
        EsperarRecusa(Juntar(linhas), 1, "não é um número");
    }
}

TEST_F(LeituraCfg, CharacterLinesTakeTheirFirstCharacterAndMustNotBeEmpty)
{
    auto linhas = LinhasIniciais();
    linhas[1] = "Unidirecional";
    linhas[10] = "01";
    linhas.back() = "1 and more";
    ASSERT_FALSE(Ler(Juntar(linhas)));
    EXPECT_EQ(cartao.FormaLeitura, 'U');
    EXPECT_EQ(cartao.Mascara[1], '0');
    EXPECT_EQ(cartao.Mascara[TamanhoMascara], '1');

    linhas[1] = "";
    EsperarRecusa(Juntar(linhas), 2, "vazia");
}

TEST_F(LeituraCfg, NamesKeepTheirBlanksAndAnyLength)
{
    auto linhas = LinhasIniciais();
    linhas[5] = "  Inscri\xE7\xE3o  ";
    ASSERT_FALSE(Ler(Juntar(linhas)));
    EXPECT_EQ(cartao.Grupos[1].Nome, "  Inscri\xE7\xE3o  ");

    linhas[5] = std::string(200000, 'x');
    ASSERT_FALSE(Ler(Juntar(linhas)));
    EXPECT_EQ(cartao.Grupos[1].Nome.size(), 200000u);
}

TEST_F(LeituraCfg, EnabledFlagKeepsItsLowEightBits)
{
    auto linhas = LinhasIniciais();
    for (const auto& [texto, valor] : std::vector<std::pair<std::string, int>>{{"258", 2}, {"-1", 255}, {"0", 0}}) {
        linhas[9] = texto;
        ASSERT_FALSE(Ler(Juntar(linhas))) << texto;
        EXPECT_EQ(cartao.Grupos[1].Habilitado, valor) << texto;
    }
}

TEST_F(LeituraCfg, ValuesTheWindowCopesWithAreTakenAsTheyAre)
{
    auto linhas = LinhasIniciais();
    linhas[0] = "0";
    linhas[1] = "x";
    linhas[4] = "17";
    linhas[8] = "99";
    linhas[12] = "?";
    ASSERT_FALSE(Ler(Juntar(linhas)));
    EXPECT_EQ(cartao.PortaSerial, 0);
    EXPECT_EQ(cartao.FormaLeitura, 'x');
    EXPECT_EQ(cartao.DigitoVerificador, 17);
    EXPECT_EQ(cartao.Grupos[1].Tipo, 99);
    EXPECT_EQ(cartao.Mascara[3], '?');
}

TEST_F(LeituraCfg, AFileEndingBeforeItsLastLineIsRefused)
{
    auto linhas = LinhasIniciais();
    linhas.resize(1040);
    EsperarRecusa(Juntar(linhas), 1040, "termina na linha 1040 de 1091");

    // Right after the group block: the whole mask is missing.
    linhas.resize(10);
    EsperarRecusa(Juntar(linhas), 10, "termina na linha 10 de 1091");

    // 0x1A ends the file wherever it stands.
    std::string bytes = Juntar(LinhasIniciais());
    bytes.insert(bytes.size() - 9, "\x1A");
    EsperarRecusa(bytes, 1089, "0x1A na linha 1089 encerra o cartão");
}

TEST_F(LeituraCfg, TheLastLineNeedsNoLineEnd)
{
    std::string bytes = Juntar(LinhasIniciais());
    bytes.resize(bytes.size() - 2);
    EXPECT_FALSE(Ler(bytes));
}

TEST_F(LeituraCfg, CountsAndGroupLinesOutsideTheCardAreRefusedWithoutTouchingIt)
{
    cartao.PortaSerial = 5;
    struct Caso {
        std::size_t indice;
        std::string valor;
        int linha;
    };
    for (const Caso& caso : {Caso{3, "0", 4}, Caso{3, "11", 4}, Caso{3, "-2147483648", 4}, Caso{2, "0", 3},
                             Caso{2, "91", 3}, Caso{6, "0", 7}, Caso{6, "91", 7}, Caso{7, "0", 8}, Caso{7, "91", 8}}) {
        auto linhas = LinhasIniciais();
        linhas[caso.indice] = caso.valor;
        EsperarRecusa(Juntar(linhas), caso.linha, "fora do intervalo");
    }
}

TEST_F(LeituraCfg, RecordsBeyondTheFilesGroupCountKeepWhatTheyHeld)
{
    cartao.Grupos[4] = TGrupo{"antigo", 7, 9, 3, 0};
    ASSERT_FALSE(Ler(Juntar(LinhasIniciais())));
    EXPECT_EQ(cartao.Grupos[4], (TGrupo{"antigo", 7, 9, 3, 0}));
}

TEST_F(LeituraCfg, WhatIsNotAnOrdinaryFileIsRefusedAtOnce)
{
    const TCartao antes = cartao;
    EXPECT_THROW(LerArquivoCfg(pasta.Caminho("ausente.cfg"), cartao), ErroCartao);
    EXPECT_THROW(LerArquivoCfg(pasta.Caminho(""), cartao), ErroCartao);
    ASSERT_TRUE(CriarFifo(pasta.Caminho("fila.cfg")));
    EXPECT_THROW(LerArquivoCfg(pasta.Caminho("fila.cfg"), cartao), ErroCartao);
    EXPECT_EQ(cartao, antes);

    try {
        LerArquivoCfg(pasta.Caminho("ausente.cfg"), cartao);
    } catch (const ErroCartao& erro) {
        EXPECT_THAT(erro.what(), HasSubstr("ausente.cfg"));
        EXPECT_THAT(erro.what(), HasSubstr("arquivo ou pasta inexistente"));
    }
}

TEST_F(LeituraCfg, AFileIsTakenWholeOrNotAtAllAndOneOverTheSizeLimitIsNotRead)
{
    const TCartao antes = cartao;
    auto linhas = LinhasIniciais();
    linhas[3] = "11";
    EscreverBytes(pasta.Caminho("c.cfg"), Juntar(linhas));
    try {
        LerArquivoCfg(pasta.Caminho("c.cfg"), cartao);
        ADD_FAILURE() << "a group count of 11 was accepted";
    } catch (const ErroCartao& erro) {
        EXPECT_EQ(erro.Linha(), 4);
    }
    EXPECT_EQ(cartao, antes);

    // A sparse file costs no disk; were it read, its first line would be refused instead.
    const std::string grande = pasta.Caminho("grande.cfg");
    EscreverBytes(grande, "");
    std::filesystem::resize_file(grande, 100u << 20);
    try {
        LerArquivoCfg(grande, cartao);
        ADD_FAILURE() << "a 100 MiB file was accepted";
    } catch (const ErroCartao& erro) {
        EXPECT_EQ(erro.Linha(), 0);
        EXPECT_EQ(std::string(erro.what()), "Não foi possível ler \"" + grande + "\": o arquivo tem mais de 16 MiB.");
    }
    EXPECT_EQ(cartao, antes);
}

}  // namespace
