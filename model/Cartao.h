#pragma once

// The card model: one mark-sense card layout with the reader settings stored beside it.
// Tables are indexed from 1, as the cfg file and the card coordinates count; element 0 is unused.

#include <array>
#include <cstdint>
#include <string>

constexpr int MaxGrupos = 10;
constexpr int MaxLinhas = 90;
constexpr int ColunasPorLinha = 12;
constexpr int CelulasDaGrade = MaxLinhas * ColunasPorLinha;  // 1080
constexpr int TamanhoMascara = CelulasDaGrade + 1;            // 1081: the last element belongs to no cell

constexpr char Lido = '0';     // the position is read
constexpr char Mascarado = '1';  // the position is ignored or carries a printed label

struct TGrupo {
    std::string Nome;            // Windows-1252 bytes, as typed by the operator
    std::int32_t LinhaInicial = 0;
    std::int32_t LinhaFinal = 0;
    std::int32_t Tipo = 0;       // 0..10, the position in the group-type list
    std::uint8_t Habilitado = 1;  // only 1 means enabled

    bool operator==(const TGrupo&) const = default;
};

struct TCartao {
    std::int32_t PortaSerial = 1;  // COM n
    char FormaLeitura = 'B';       // 'U' one way, 'B' both ways
    std::int32_t NumLinhas = 0;
    std::array<TGrupo, MaxGrupos + 1> Grupos{};  // 1..10
    std::int32_t DigitoVerificador = 0;  // 0..4, the position in the check-digit list
    std::int32_t NumGrupos = 0;
    std::array<char, TamanhoMascara + 1> Mascara{};  // 1..1081

    bool operator==(const TCartao&) const = default;
};

// Mask element of line L (1..90), column j (1..12).
constexpr int IndiceCelula(int linha, int coluna) { return ColunasPorLinha * (linha - 1) + coluna; }

// True when line L lies on the card grid, so its cells are inside the mask.
constexpr bool LinhaNaGrade(long long linha) { return linha >= 1 && linha <= MaxLinhas; }

// Types 1, 7 and 8 are registration-number fields, the only ones a check digit applies to.
constexpr bool EhTipoInscricao(int tipo) { return tipo == 1 || tipo == 7 || tipo == 8; }

// The creation values: COM 1, both ways, the whole mask read, every record enabled.
void IniciarPadroes(TCartao& cartao);

// One line, one group (record 1: no name, line 1 to 1, type 0, enabled), no check digit.
// Port, reading mode, mask and records 2..10 are left as they are.
void DefinirCartaoPrimeiraVez(TCartao& cartao);

// The first-time values plus a whole mask of "0", element 1081 included.
void MontarCartaoNovo(TCartao& cartao);

// Sets the twelve cells of every line from..to that lies on the grid; other lines are skipped.
void DefinirMascaraDasLinhas(TCartao& cartao, long long de, long long ate, char valor);
