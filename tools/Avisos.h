#pragma once

// The layout checks of a card read from a file: everything the editor would never have saved
// or that the reader would take in a way the operator did not mean.

#include "Cartao.h"

#include <string>
#include <vector>

enum class TipoAviso {
    GrupoInvertido,          // a group ends before it starts
    LacunaEntreGrupos,       // lines before or between groups that no group holds
    GruposSobrepostos,       // a group starts inside an earlier one
    NumeroDeLinhas,          // file line 3 differs from the last group's last line
    TipoInvalido,            // a type outside 0..10
    DigitoInvalido,          // a check-digit kind outside 0..4
    DigitoSemInscricao,      // a check-digit kind on a card with no registration group
    PortaInvalida,           // a port outside 1..9
    LeituraInvalida,         // a reading mode other than U or B
    HabilitadoInvalido,      // an enabled flag other than 0 or 1
    RotuloNaoMascarado,      // an item-number or blank position that is read
    DesabilitadoComLeitura,  // a disabled group with read positions
    MascaraAbaixoDosGrupos,  // a masked cell below the last group
    CaractereDeMascara,      // a mask cell other than "0" or "1"
    Elemento1081,            // mask element 1081 not "0"
};

// A short fixed name of the kind, for scripts.
const char* CodigoDoAviso(TipoAviso tipo);

struct Aviso {
    TipoAviso Tipo;
    std::string Mensagem;   // Portuguese, UTF-8
    int LinhaDoArquivo = 0;  // the file line the warning is about
    int Grupo = 0;           // 0 when it concerns no single group
    int Linha = 0;           // card line and column of a mask cell; 0 when none applies
    int Coluna = 0;

    bool operator==(const Aviso&) const = default;
};

// The warnings of the card, in file-line order.
std::vector<Aviso> VerificarCartao(const TCartao& cartao);
