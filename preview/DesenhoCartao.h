#pragma once

// The card picture drawn from the card model: background, outline, line numbers, timing
// marks and every group in the layout of its type. The group layouts also mark their
// label positions (item numbers and blanks) "1" in the mask.
//
// Whatever the card holds, drawing stays on lines 1..90, groups 1..10 and mask elements 1..1080.

#include "Cartao.h"
#include "Disposicoes.h"
#include "Superficie.h"

#include <cstdint>

// The whole redraw for a card of numLinhas lines on a button-face background. The caller
// reads numLinhas from the window and stores it in the card itself.
void DesenharCartao(Superficie& superficie, TCartao& cartao, int numLinhas, Cor faceBotao);

// One group of lines s..e in the given layout; nothing when e < s.
void DesenharGrupo(Superficie& superficie, TCartao& cartao, const Disposicao& disposicao, std::int32_t s,
                   std::int32_t e);

// The item number of division k on line L of a group that starts on line s and has n lines.
constexpr long long NumeroDoItem(long long linha, long long s, long long n, int divisao)
{
    return (linha - s + 1) + (divisao - 1) * n;
}

// The eight group layouts, one per entry of the layout table.
void Canvas_12(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_10(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_10D1(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_10D2(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_5(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_3(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_2(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
void Canvas_1(Superficie& superficie, TCartao& cartao, std::int32_t s, std::int32_t e);
