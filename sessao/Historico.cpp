#include "Historico.h"

#include <utility>

namespace {

// Moves the newest state of `de` out, pushing `atual` onto `para` in exchange.
std::optional<EstadoEdicao> Trocar(std::deque<EstadoEdicao>& de, std::deque<EstadoEdicao>& para, EstadoEdicao atual)
{
    if (de.empty())
        return std::nullopt;
    EstadoEdicao estado = std::move(de.back());
    de.pop_back();
    para.push_back(std::move(atual));
    return estado;
}

}  // namespace

void Historico::Registrar(EstadoEdicao antes)
{
    refazer_.clear();
    desfazer_.push_back(std::move(antes));
    if (desfazer_.size() > Limite)
        desfazer_.pop_front();
}

std::optional<EstadoEdicao> Historico::Desfazer(EstadoEdicao atual)
{
    return Trocar(desfazer_, refazer_, std::move(atual));
}

std::optional<EstadoEdicao> Historico::Refazer(EstadoEdicao atual)
{
    return Trocar(refazer_, desfazer_, std::move(atual));
}

void Historico::Reiniciar()
{
    desfazer_.clear();
    refazer_.clear();
}
