// The rows of the session's fault table that only Windows stages: another program holding a
// slot's file for a moment or for good, and a program folder deeper than 260 characters.

#include "Falhas.h"

#include "Segurador.h"

#include <gmock/gmock.h>

#include <windows.h>

namespace {

using namespace std::chrono_literals;

std::string Mensagem(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const std::exception& erro) {
        return erro.what();
    }
    return {};
}

const Falha TabelaWindows[] = {
    {"ASlotFileHeldForAMomentIsWrittenAndRemovedOnceItIsLetGo",
     [](Falhas& t) {
         const DiscoRecuperacao disco = DiscoRecuperacao::Real();
         const std::string vaga = t.CaminhoBytes("Recuperacao.cfg");
         const std::string cartao = ConteudoRecuperacao(Falhas::Cartao(4), "");
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(3), ""));
         {
             Segurador outro(vaga, 500ms);
             ASSERT_TRUE(outro.Segurando());
             EXPECT_EQ(Mensagem([&] { disco.Gravar(vaga, cartao, 0600); }), "");
         }
         EXPECT_EQ(t.Vaga().Cartao.NumLinhas, 4);
         {
             Segurador outro(vaga, 500ms);
             ASSERT_TRUE(outro.Segurando());
             EXPECT_EQ(Mensagem([&] { disco.Remover(vaga); }), "");
         }
         EXPECT_FALSE(t.Existe("Recuperacao.cfg"));
     }},
    {"ASlotFileHeldOnIsReportedAsInUse",
     [](Falhas& t) {
         const DiscoRecuperacao disco = DiscoRecuperacao::Real();
         const std::string vaga = t.CaminhoBytes("Recuperacao.cfg");
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(3), ""));
         Segurador outro(vaga, 60s);
         ASSERT_TRUE(outro.Segurando());
         EXPECT_THAT(Mensagem([&] { disco.Gravar(vaga, ConteudoRecuperacao(Falhas::Cartao(4), ""), 0600); }),
                     ::testing::HasSubstr("o arquivo está em uso por outro programa"));
         EXPECT_THAT(Mensagem([&] { disco.Remover(vaga); }),
                     ::testing::HasSubstr("Não foi possível remover \"" + vaga + "\": o arquivo está em uso por outro programa"));
         EXPECT_EQ(t.Vaga().Cartao.NumLinhas, 3) << "the card held is kept";
     }},
    {"AProgramFolderDeeperThan260CharactersHoldsItsRecovery",
     [](Falhas& t) {
         std::filesystem::path aqui = std::filesystem::u8path(t.Pasta() + "x").parent_path();
         std::wstring longa = L"\\\\?\\" + aqui.make_preferred().wstring();
         std::string pasta = t.Pasta();
         while (pasta.size() < 280) {
             const std::wstring nome(60, L'p');
             longa += L"\\" + nome;
             ASSERT_TRUE(::CreateDirectoryW(longa.c_str(), nullptr)) << ::GetLastError();
             pasta += std::string(60, 'p') + "/";
         }
         {
             SessaoEdicao sessao(pasta, {}, DiscoRecuperacao::Real(), 0ms);
             sessao.TomarVaga();
             sessao.AcompanharCartao(Falhas::Cartao(5), true);
             sessao.GuardarRecuperacaoAgora();
             EXPECT_NE(::GetFileAttributesW((longa + L"\\Recuperacao.cfg").c_str()), INVALID_FILE_ATTRIBUTES);
             EXPECT_EQ(VagaRecuperacao::Tomar(pasta, 1, DiscoRecuperacao::Real()), nullptr) << "its lock holds";
         }
         SessaoEdicao nova(pasta, {});
         const auto deixadas = nova.RecuperacoesDeixadas(Falhas::Cartao(1));
         ASSERT_EQ(deixadas.size(), 1u);
         EXPECT_EQ(deixadas[0].Cartao.NumLinhas, 5);
     }},
};

INSTANTIATE_TEST_SUITE_P(SessaoWindows, Falhas, ::testing::ValuesIn(TabelaWindows),
                         [](const auto& info) { return std::string(info.param.Nome); });

}  // namespace
