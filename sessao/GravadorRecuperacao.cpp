#include "GravadorRecuperacao.h"

#include "GravacaoAtomica.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

using Relogio = std::chrono::steady_clock;

struct GravadorRecuperacao::Estado {
    std::vector<std::string> Arquivos;
    DiscoRecuperacao Disco;
    std::chrono::milliseconds Atraso;

    std::mutex Mutex;
    std::condition_variable Mudou;
    std::function<void(const std::string&)> AoFalhar;  // cleared when the owner goes
    std::optional<std::string> Conteudo;               // nullopt with Pendente: a removal
    bool Pendente = false;
    Relogio::time_point Prazo;
    bool Ocupado = false;
    bool Parar = false;
    bool Terminou = false;

    void Trabalhar();
    void Aplicar(const std::optional<std::string>& conteudo);
};

DiscoRecuperacao DiscoRecuperacao::Real()
{
    return {[](const std::string& arquivo, const std::string& conteudo) { GravarArquivoAtomico(arquivo, conteudo); },
            [](const std::string& arquivo) { ::unlink(arquivo.c_str()); }};
}

GravadorRecuperacao::GravadorRecuperacao(std::vector<std::string> arquivos, DiscoRecuperacao disco,
                                         std::chrono::milliseconds atraso,
                                         std::function<void(const std::string&)> aoFalhar)
    : estado_(std::make_shared<Estado>())
{
    estado_->Arquivos = std::move(arquivos);
    estado_->Disco = std::move(disco);
    estado_->Atraso = atraso;
    estado_->AoFalhar = std::move(aoFalhar);
    // The thread shares the state, so it may outlive this object on a disk that hangs.
    std::thread([estado = estado_] { estado->Trabalhar(); }).detach();
}

GravadorRecuperacao::~GravadorRecuperacao()
{
    std::unique_lock trava(estado_->Mutex);
    estado_->Parar = true;
    estado_->Prazo = Relogio::now();
    estado_->Mudou.notify_all();
    estado_->Mudou.wait_for(trava, EsperaAoEncerrar, [this] { return estado_->Terminou; });
    // Whatever the thread still does, nobody hears of it any more.
    estado_->AoFalhar = nullptr;
}

void GravadorRecuperacao::Guardar(std::string conteudo)
{
    const std::lock_guard trava(estado_->Mutex);
    // A write already waiting keeps its time: a steady stream of changes is still written.
    if (!estado_->Pendente || !estado_->Conteudo)
        estado_->Prazo = Relogio::now() + estado_->Atraso;
    estado_->Conteudo = std::move(conteudo);
    estado_->Pendente = true;
    estado_->Mudou.notify_all();
}

void GravadorRecuperacao::Remover()
{
    const std::lock_guard trava(estado_->Mutex);
    estado_->Conteudo.reset();
    estado_->Pendente = true;
    estado_->Prazo = Relogio::now();
    estado_->Mudou.notify_all();
}

void GravadorRecuperacao::Esperar()
{
    std::unique_lock trava(estado_->Mutex);
    estado_->Prazo = Relogio::now();
    estado_->Mudou.notify_all();
    estado_->Mudou.wait(trava, [this] { return !estado_->Pendente && !estado_->Ocupado; });
}

void GravadorRecuperacao::Estado::Trabalhar()
{
    std::unique_lock trava(Mutex);
    for (;;) {
        Mudou.wait(trava, [this] { return Pendente || Parar; });
        if (!Pendente)
            break;
        if (Mudou.wait_until(trava, Prazo, [this] { return Relogio::now() >= Prazo; }) == false)
            continue;
        const std::optional<std::string> conteudo = std::move(Conteudo);
        Conteudo.reset();
        Pendente = false;
        Ocupado = true;
        trava.unlock();
        Aplicar(conteudo);
        trava.lock();
        Ocupado = false;
        Mudou.notify_all();
    }
    Terminou = true;
    Mudou.notify_all();
}

void GravadorRecuperacao::Estado::Aplicar(const std::optional<std::string>& conteudo)
{
    try {
        if (conteudo) {
            Disco.Gravar(Arquivos.front(), *conteudo);
            for (std::size_t i = 1; i < Arquivos.size(); ++i)
                Disco.Remover(Arquivos[i]);
        } else {
            for (const std::string& arquivo : Arquivos)
                Disco.Remover(arquivo);
        }
    } catch (const std::exception& erro) {
        const std::lock_guard trava(Mutex);
        if (AoFalhar)
            AoFalhar(erro.what());
    }
}
