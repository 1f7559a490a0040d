// One case per layout warning: a card the editor saved, changed the way a hand edit would.

#include "Avisos.h"
#include "CartoesDeTeste.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using ::testing::HasSubstr;

// File line of mask element k in the two-group test card.
constexpr int LinhaDaCelula(int linha, int coluna) { return 15 + IndiceCelula(linha, coluna); }

struct Caso {
    const char* Nome;
    std::function<void(TCartao&)> Alterar;
    TipoAviso Tipo;
    int LinhaDoArquivo, Grupo, Linha, Coluna;
    const char* Trecho;
};

void MascararGrupo2(TCartao& c)
{
    DefinirMascaraDasLinhas(c, 4, 6, Mascarado);
}

const Caso Casos[] = {
    {"porta", [](TCartao& c) { c.PortaSerial = 10; }, TipoAviso::PortaInvalida, 1, 0, 0, 0, "porta serial 10"},
    {"leitura", [](TCartao& c) { c.FormaLeitura = 'b'; }, TipoAviso::LeituraInvalida, 2, 0, 0, 0, "\"b\""},
    {"linhas", [](TCartao& c) { c.NumLinhas = 7; }, TipoAviso::NumeroDeLinhas, 3, 0, 0, 0, "termina na linha 6"},
    {"digito", [](TCartao& c) { c.DigitoVerificador = 5; }, TipoAviso::DigitoInvalido, 5, 0, 0, 0, "5 fora"},
    {"digitoSemInscricao", [](TCartao& c) { c.Grupos[1].Tipo = 2; }, TipoAviso::DigitoSemInscricao, 5, 0, 0, 0,
     "nenhum grupo"},
    {"tipo", [](TCartao& c) { c.Grupos[2].Tipo = 11; }, TipoAviso::TipoInvalido, 14, 2, 0, 0, "tipo 11"},
    {"habilitado", [](TCartao& c) { c.Grupos[2].Habilitado = 2; }, TipoAviso::HabilitadoInvalido, 15, 2, 0, 0,
     "vale 2"},
    {"invertido", [](TCartao& c) { c.Grupos[2].LinhaFinal = 3; }, TipoAviso::GrupoInvertido, 13, 2, 0, 0,
     "termina na linha 3"},
    {"lacunaNoInicio", [](TCartao& c) { c.Grupos[1].LinhaInicial = 2; }, TipoAviso::LacunaEntreGrupos, 7, 1, 0, 0,
     "começa na linha 2, deixando a linha 1 sem grupo"},
    {"lacuna", [](TCartao& c) { c.Grupos[2].LinhaInicial = 6; }, TipoAviso::LacunaEntreGrupos, 12, 2, 0, 0,
     "deixando as linhas 4 a 5 sem grupo"},
    {"sobreposicao", [](TCartao& c) { c.Grupos[2].LinhaInicial = 3; }, TipoAviso::GruposSobrepostos, 12, 2, 0, 0,
     "sobreposto ao grupo 1"},
    {"numeroDoItem", [](TCartao& c) { Celula(c, 2, 2) = Lido; }, TipoAviso::RotuloNaoMascarado, LinhaDaCelula(2, 2),
     1, 2, 2, "número do item"},
    {"colunaEmBranco", [](TCartao& c) { Celula(c, 3, 1) = Lido; }, TipoAviso::RotuloNaoMascarado, LinhaDaCelula(3, 1),
     1, 3, 1, "coluna em branco"},
    {"desabilitadoLido",
     [](TCartao& c) {
         c.Grupos[2].Habilitado = 0;
         MascararGrupo2(c);
         Celula(c, 5, 3) = Lido;
         Celula(c, 6, 12) = Lido;
     },
     TipoAviso::DesabilitadoComLeitura, LinhaDaCelula(5, 3), 2, 5, 3, "2 posições lidas"},
    {"abaixo", [](TCartao& c) { Celula(c, 7, 12) = Mascarado; }, TipoAviso::MascaraAbaixoDosGrupos, LinhaDaCelula(7, 12),
     0, 7, 12, "abaixo do último grupo"},
    {"caractere", [](TCartao& c) { Celula(c, 4, 2) = 'x'; }, TipoAviso::CaractereDeMascara, LinhaDaCelula(4, 2), 2, 4,
     2, "\"x\""},
    {"elemento1081", [](TCartao& c) { c.Mascara[TamanhoMascara] = Mascarado; }, TipoAviso::Elemento1081,
     15 + TamanhoMascara, 0, 0, 0, "elemento 1081"},
};

class Avisos : public ::testing::TestWithParam<Caso> {};

TEST(AvisosDoCartao, ACardSavedByTheEditorHasNone)
{
    EXPECT_TRUE(VerificarCartao(CartaoDoEditor()).empty());
}

TEST_P(Avisos, OneHandEditGivesItsWarningAtItsPlace)
{
    const Caso& caso = GetParam();
    TCartao cartao = CartaoDoEditor();
    caso.Alterar(cartao);

    std::vector<Aviso> doTipo;
    for (const Aviso& aviso : VerificarCartao(cartao))
        if (aviso.Tipo == caso.Tipo)
            doTipo.push_back(aviso);
    ASSERT_EQ(doTipo.size(), 1u);
    EXPECT_EQ(doTipo[0].LinhaDoArquivo, caso.LinhaDoArquivo);
    EXPECT_EQ(doTipo[0].Grupo, caso.Grupo);
    EXPECT_EQ(doTipo[0].Linha, caso.Linha);
    EXPECT_EQ(doTipo[0].Coluna, caso.Coluna);
    EXPECT_THAT(doTipo[0].Mensagem, HasSubstr(caso.Trecho));
}

INSTANTIATE_TEST_SUITE_P(CadaAviso, Avisos, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.Nome); });

}  // namespace
