#include "GravadorRecuperacao.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

using Relogio = std::chrono::steady_clock;

struct GravadorRecuperacao::Estado {
    // Set once, before the thread starts.
    std::vector<std::string> Arquivos;
    std::shared_ptr<const void> Guarda;  // let go by the thread when it ends
    DiscoRecuperacao Disco;
    std::chrono::milliseconds Atraso;
    std::function<void(const std::string&)> AoFalhar;

    std::mutex Mutex;
    std::condition_variable Mudou;
    std::optional<std::string> Conteudo;  // nullopt with Pendente: a removal
    unsigned LimiteDeModo = 07777;
    bool Pendente = false;
    Relogio::time_point Prazo;
    bool Ocupado = false;
    bool Parar = false;
    bool Terminou = false;

    void Trabalhar();
    void Aplicar(const std::optional<std::string>& conteudo, unsigned limiteDeModo);
};

GravadorRecuperacao::GravadorRecuperacao(std::vector<std::string> arquivos, std::shared_ptr<const void> guarda,
                                         DiscoRecuperacao disco, std::chrono::milliseconds atraso,
                                         std::function<void(const std::string&)> aoFalhar)
    : estado_(std::make_shared<Estado>())
{
    estado_->Arquivos = std::move(arquivos);
    estado_->Guarda = std::move(guarda);
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
}

void GravadorRecuperacao::Guardar(std::string conteudo, unsigned limiteDeModo)
{
    const std::lock_guard trava(estado_->Mutex);
    // A write already waiting keeps its time: a steady stream of changes is still written.
    if (!estado_->Pendente || !estado_->Conteudo)
        estado_->Prazo = Relogio::now() + estado_->Atraso;
    estado_->Conteudo = std::move(conteudo);
    estado_->LimiteDeModo = limiteDeModo;
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
        const unsigned limiteDeModo = LimiteDeModo;
        Conteudo.reset();
        Pendente = false;
        Ocupado = true;
        trava.unlock();
        Aplicar(conteudo, limiteDeModo);
        trava.lock();
        Ocupado = false;
        Mudou.notify_all();
    }
    // Nothing more is written: the slot is free the moment its owner lets go of it too.
    Guarda.reset();
    Terminou = true;
    Mudou.notify_all();
}

void GravadorRecuperacao::Estado::Aplicar(const std::optional<std::string>& conteudo, unsigned limiteDeModo)
{
    // Runs without the lock: a disk or a listener that blocks holds back only this thread.
    try {
        if (conteudo) {
            Disco.Gravar(Arquivos.front(), *conteudo, limiteDeModo);
            for (std::size_t i = 1; i < Arquivos.size(); ++i)
                Disco.Remover(Arquivos[i]);
        } else {
            for (const std::string& arquivo : Arquivos)
                Disco.Remover(arquivo);
        }
    } catch (const std::exception& erro) {
        if (AoFalhar)
            AoFalhar(erro.what());
    }
}
