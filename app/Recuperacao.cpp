#include "Recuperacao.h"

#include "ArquivoCfg.h"
#include "GravacaoAtomica.h"
#include "UltimoArquivo.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace {

constexpr int Vagas = 16;

std::string Bytes(const QString& caminho)
{
    return QFile::encodeName(caminho).toStdString();
}

QString BaseDaVaga(const QString& dirPrograma, int vaga)
{
    const QString nome = vaga == 1 ? QStringLiteral("Recuperacao") : QStringLiteral("Recuperacao-%1").arg(vaga);
    return dirPrograma + nome;
}

}  // namespace

TRecuperacao::TRecuperacao(const QString& dirPrograma)
{
    for (int vaga = 1; vaga <= Vagas && !trava_; ++vaga) {
        auto trava = std::make_unique<QLockFile>(BaseDaVaga(dirPrograma, vaga) + QStringLiteral(".lock"));
        // Held for the whole run: only a copy that is no longer running gives its slot up.
        trava->setStaleLockTime(0);
        if (trava->tryLock(0)) {
            base_ = BaseDaVaga(dirPrograma, vaga);
            trava_ = std::move(trava);
        }
    }
    // Every slot taken (or the folder read-only): this copy runs without recovery.
    if (trava_)
        trabalhador_ = std::thread([this] { Trabalhar(); });
}

TRecuperacao::~TRecuperacao()
{
    if (!trabalhador_.joinable())
        return;
    {
        const std::lock_guard trava(mutex_);
        parar_ = true;
    }
    mudou_.notify_all();
    trabalhador_.join();
}

std::optional<TRecuperacao::Achado> TRecuperacao::Encontrar(const TCartao& anterior)
{
    if (!trava_ || !QFileInfo(ArquivoCfg()).isFile())
        return std::nullopt;
    Achado achado{anterior, {}};
    try {
        LerArquivoCfg(Bytes(ArquivoCfg()), achado.Cartao);
    } catch (const std::exception&) {
        Descartar();
        return std::nullopt;
    }
    // Without its path the card is still worth offering, as a new card.
    try {
        achado.Caminho = LerUltimoArquivo(Bytes(ArquivoCaminho()));
    } catch (const std::exception&) {
    }
    return achado;
}

void TRecuperacao::Guardar(std::string conteudoCfg, std::string caminho)
{
    Pedir({false, std::move(conteudoCfg), std::move(caminho)});
}

void TRecuperacao::Descartar()
{
    Pedir({true, {}, {}});
}

void TRecuperacao::Pedir(Pedido pedido)
{
    if (!trava_)
        return;
    {
        const std::lock_guard trava(mutex_);
        pendente_ = std::move(pedido);
    }
    mudou_.notify_all();
}

void TRecuperacao::Esperar()
{
    std::unique_lock trava(mutex_);
    mudou_.wait(trava, [this] { return !pendente_ && !ocupado_; });
}

void TRecuperacao::Trabalhar()
{
    std::unique_lock trava(mutex_);
    for (;;) {
        mudou_.wait(trava, [this] { return pendente_ || parar_; });
        if (!pendente_)
            return;
        const Pedido pedido = std::move(*pendente_);
        pendente_.reset();
        ocupado_ = true;
        trava.unlock();
        Aplicar(pedido);
        trava.lock();
        ocupado_ = false;
        mudou_.notify_all();
    }
}

void TRecuperacao::Aplicar(const Pedido& pedido)
{
    // The card file goes last when writing and first when removing: a card file present always
    // has the path that belongs to it beside it.
    try {
        if (pedido.Remover) {
            std::remove(Bytes(ArquivoCfg()).c_str());
            std::remove(Bytes(ArquivoCaminho()).c_str());
        } else {
            GravarUltimoArquivo(Bytes(ArquivoCaminho()), pedido.Caminho);
            GravarArquivoAtomico(Bytes(ArquivoCfg()), pedido.Conteudo);
        }
    } catch (const std::exception& erro) {
        // A safety net that cannot be written must not get in the operator's way.
        std::fprintf(stderr, "Ortelo: recuperação não gravada: %s\n", erro.what());
    }
}
