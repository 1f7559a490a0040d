#include "SessaoEdicao.h"

#include "ArquivoCfg.h"
#include "ArquivoRecuperacao.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

bool Existe(const std::string& caminho)
{
    struct stat estado {};
    return ::lstat(caminho.c_str(), &estado) == 0;
}

}  // namespace

SessaoEdicao::SessaoEdicao(std::string pasta, DiscoRecuperacao disco, std::chrono::milliseconds atrasoRecuperacao)
    : pasta_(std::move(pasta)), disco_(std::move(disco)), atraso_(atrasoRecuperacao)
{
}

SessaoEdicao::~SessaoEdicao() = default;

void SessaoEdicao::Salvo(std::string arquivo, const TCartao& comoMostrado)
{
    arquivo_ = std::move(arquivo);
    conteudoSalvo_ = ConteudoArquivoCfg(comoMostrado);
}

void SessaoEdicao::Recuperado(std::string arquivo, const std::optional<TCartao>& doArquivo)
{
    arquivo_ = std::move(arquivo);
    conteudoSalvo_.reset();
    if (doArquivo)
        conteudoSalvo_ = ConteudoArquivoCfg(*doArquivo);
}

bool SessaoEdicao::IgualAoSalvo(const TCartao& cartao) const
{
    return conteudoSalvo_ && ConteudoArquivoCfg(cartao) == *conteudoSalvo_;
}

std::vector<RecuperacaoDeixada> SessaoEdicao::RecuperacoesDeixadas(const TCartao& anterior) const
{
    return ProcurarRecuperacoes(pasta_, anterior);
}

void SessaoEdicao::Descartar(RecuperacaoDeixada& deixada)
{
    RemoverArquivosDaVaga(*deixada.Vaga);
    deixada.Vaga.reset();
}

void SessaoEdicao::Adotar(RecuperacaoDeixada deixada)
{
    if (vagaDecidida_)
        return;
    // A slot found without its lock file gets one now, where the folder allows.
    vaga_ = deixada.Vaga->Travada() ? std::move(deixada.Vaga) : VagaRecuperacao::Tomar(pasta_, deixada.Vaga->Numero());
    guardado_ = true;  // the slot holds the card taken back until this session replaces it
    TomarVaga();
}

void SessaoEdicao::TomarVaga()
{
    if (vagaDecidida_)
        return;
    vagaDecidida_ = true;
    // A slot that still holds a card not taken back now is left for the next start.
    for (int numero = 1; numero <= VagaRecuperacao::Vagas && !vaga_; ++numero) {
        auto vaga = VagaRecuperacao::Tomar(pasta_, numero);
        if (vaga && vaga->Travada() && !Existe(vaga->ArquivoCartao()))
            vaga_ = std::move(vaga);
    }
    if (!vaga_ || !vaga_->Travada())
        return;
    gravador_ = std::make_unique<GravadorRecuperacao>(
        std::vector<std::string>{vaga_->ArquivoCartao(), vaga_->ArquivoCaminhoAntigo()}, disco_, atraso_,
        [this](const std::string& razao) {
            std::fprintf(stderr, "Ortelo: recuperação não gravada: %s\n", razao.c_str());
            PerdeuProtecao();
        });
}

void SessaoEdicao::AcompanharCartao(const TCartao& naTela, bool naoSalvo)
{
    if (!vagaDecidida_ || encerrada_)
        return;
    if (naoSalvo) {
        if (!gravador_) {
            PerdeuProtecao();
            return;
        }
        gravador_->Guardar(ConteudoRecuperacao(naTela, arquivo_));
        guardado_ = true;
    } else if (guardado_ && gravador_) {
        gravador_->Remover();
        guardado_ = false;
    }
}

void SessaoEdicao::GuardarRecuperacaoAgora()
{
    if (gravador_)
        gravador_->Esperar();
}

void SessaoEdicao::Encerrar()
{
    if (gravador_ && guardado_)
        gravador_->Remover();
    gravador_.reset();
    guardado_ = false;
    encerrada_ = true;
}

void SessaoEdicao::PerdeuProtecao()
{
    if (!avisado_.exchange(true) && AoPerderProtecao)
        AoPerderProtecao();
}
