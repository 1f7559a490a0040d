#include "SessaoEdicao.h"

#include "ArquivoCfg.h"
#include "ArquivoRecuperacao.h"
#include "LeituraCfg.h"

#include <atomic>
#include <cstdio>
#include <exception>

// The once-only notice that the card is not protected. Shared with the writer's thread, which
// may outlive the session.
struct SessaoEdicao::Protecao {
    std::function<void()> Aviso;
    std::atomic<bool> Avisado = false;

    void Perdida()
    {
        if (!Avisado.exchange(true) && Aviso)
            Aviso();
    }
};

SessaoEdicao::SessaoEdicao(std::string pasta, std::function<void()> aoPerderProtecao, DiscoRecuperacao disco,
                           std::chrono::milliseconds atrasoRecuperacao)
    : pasta_(std::move(pasta)), disco_(std::move(disco)), atraso_(atrasoRecuperacao),
      protecao_(std::make_shared<Protecao>())
{
    protecao_->Aviso = std::move(aoPerderProtecao);
}

SessaoEdicao::~SessaoEdicao() = default;

void SessaoEdicao::BasearEm(const std::string& arquivo)
{
    base_.reset();
    limiteDeModo_ = 07777;
    if (arquivo.empty())
        return;
    try {
        base_ = ImpressaoDoConteudo(disco_.Ler(arquivo));
    } catch (const std::exception&) {
        // Unreadable now: a card based on it is compared by dates alone.
    }
    // Others read it only where they may read the card; the owner must always be able to
    // rewrite and read back his own copy, even of a read-only card.
    if (const auto estado = disco_.Consultar(arquivo))
        limiteDeModo_ = (estado->Modo & 0066) | 0600;
}

void SessaoEdicao::Salvo(std::string arquivo, const TCartao& comoMostrado)
{
    arquivo_ = std::move(arquivo);
    conteudoSalvo_ = ConteudoArquivoCfg(comoMostrado);
    BasearEm(arquivo_);
}

void SessaoEdicao::Recuperado(std::string arquivo, const std::optional<TCartao>& doArquivo)
{
    arquivo_ = std::move(arquivo);
    conteudoSalvo_.reset();
    if (doArquivo)
        conteudoSalvo_ = ConteudoArquivoCfg(*doArquivo);
    BasearEm(arquivo_);
}

bool SessaoEdicao::IgualAoSalvo(const TCartao& cartao) const
{
    return conteudoSalvo_ && ConteudoArquivoCfg(cartao) == *conteudoSalvo_;
}

std::vector<RecuperacaoDeixada> SessaoEdicao::RecuperacoesDeixadas(const TCartao& anterior)
{
    std::vector<RecuperacaoDeixada> oferecidas;
    for (RecuperacaoDeixada& deixada : ProcurarRecuperacoes(pasta_, anterior, disco_)) {
        if (!deixada.Caminho.empty()) {
            try {
                const std::string bytes = disco_.Ler(deixada.Caminho);
                // Saved after all (the close could not wait for the disk): nothing to take back.
                const ResultadoCfg noArquivo = InterpretarCfg(bytes, deixada.Cartao);
                if (noArquivo.Cartao && *noArquivo.Cartao == deixada.Cartao) {
                    RemoverArquivosDaVaga(*deixada.Vaga, disco_);
                    continue;
                }
                const auto estado = disco_.Consultar(deixada.Caminho);
                deixada.ArquivoMaisNovo = deixada.Base ? ImpressaoDoConteudo(bytes) != *deixada.Base
                                                       : estado && estado->Modificado > deixada.Quando;
            } catch (const std::exception&) {
                // The file is gone or unreadable: the card is all there is of it.
            }
        }
        oferecidas.push_back(std::move(deixada));
    }
    return oferecidas;
}

void SessaoEdicao::Descartar(RecuperacaoDeixada& deixada)
{
    GuardarComoRecusada(pasta_, *deixada.Vaga, disco_);
    deixada.Vaga.reset();
}

void SessaoEdicao::Adotar(RecuperacaoDeixada deixada)
{
    if (vagaDecidida_)
        return;
    // A slot found without its lock gets one now, where the folder allows.
    if (deixada.Vaga->Travada())
        vaga_ = std::move(deixada.Vaga);
    else
        vaga_ = VagaRecuperacao::Tomar(pasta_, deixada.Vaga->Numero(), disco_);
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
        auto vaga = VagaRecuperacao::Tomar(pasta_, numero, disco_);
        if (vaga && vaga->Travada() && !disco_.Existe(vaga->ArquivoCartao()))
            vaga_ = std::move(vaga);
    }
    if (!vaga_ || !vaga_->Travada())
        return;
    // The writer keeps the slot's lock for as long as its thread may still write there.
    gravador_ = std::make_unique<GravadorRecuperacao>(
        std::vector<std::string>{vaga_->ArquivoCartao(), vaga_->ArquivoCaminhoAntigo()}, vaga_, disco_, atraso_,
        [protecao = protecao_](const std::string& razao) {
            std::fprintf(stderr, "Ortelo: recuperação não gravada: %s\n", razao.c_str());
            protecao->Perdida();
        });
}

void SessaoEdicao::AcompanharCartao(const TCartao& naTela, bool naoSalvo)
{
    if (!vagaDecidida_ || encerrada_)
        return;
    if (naoSalvo) {
        if (!gravador_) {
            protecao_->Perdida();
            return;
        }
        gravador_->Guardar(ConteudoRecuperacao(naTela, arquivo_, base_), limiteDeModo_);
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
