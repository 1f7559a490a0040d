#pragma once

#include "Cartao.h"

#include <string>
#include <vector>

enum class CampoComparado {
    PortaSerial,
    FormaLeitura,
    NumLinhas,
    NumGrupos,
    DigitoVerificador,
    Grupo,         // a group only one card has
    Nome,
    LinhaInicial,
    LinhaFinal,
    Tipo,
    Habilitado,
    Celula,        // a mask cell on the grid
    Elemento1081,
};

// One value that differs, as readable text on each side (UTF-8).
struct Diferenca {
    CampoComparado Campo;
    int Grupo = 0;   // the group it belongs to; for a mask cell, the group holding its line in A (else B)
    int Linha = 0;   // card line and column of a mask cell
    int Coluna = 0;
    std::string ValorA;
    std::string ValorB;

    bool operator==(const Diferenca&) const = default;
};

// Settings first, then the groups in use field by field, then the mask in index order.
std::vector<Diferenca> CompararCartoes(const TCartao& a, const TCartao& b);

// The report of the differences, mask cells of one line gathered on one text line.
std::string TextoDasDiferencas(const std::vector<Diferenca>& diferencas);
