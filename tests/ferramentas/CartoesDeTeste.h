#pragma once

// Cards and files for the ortelo-cartao tests.

#include "ArquivoCfg.h"
#include "Cartao.h"
#include "DesenhoCartao.h"
#include "SuperficieImagem.h"

#include <QTemporaryDir>

#include <fstream>
#include <string>

inline char& Celula(TCartao& cartao, int linha, int coluna)
{
    return cartao.Mascara[static_cast<std::size_t>(IndiceCelula(linha, coluna))];
}

// A card as the editor saves it: registration lines 1-3 (type 1), questions 4-6 (type 4),
// check digit "10 - simp", the label positions marked by a redraw.
inline TCartao CartaoDoEditor()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    MontarCartaoNovo(cartao);
    cartao.PortaSerial = 3;
    cartao.NumLinhas = 6;
    cartao.NumGrupos = 2;
    cartao.DigitoVerificador = 1;
    cartao.Grupos[1] = TGrupo{"Inscri\xE7\xE3o", 1, 3, 1, 1};
    cartao.Grupos[2] = TGrupo{"Quest\xF5" "es", 4, 6, 4, 1};
    SuperficieImagem superficie;
    DesenharCartao(superficie, cartao, cartao.NumLinhas, 0xEFEFEF);
    return cartao;
}

// A folder for one test's files.
class PastaDeTeste {
public:
    std::string Caminho(const std::string& nome) const { return pasta_.filePath(QString::fromStdString(nome)).toStdString(); }

    std::string Gravar(const std::string& nome, const std::string& bytes) const
    {
        std::ofstream(Caminho(nome), std::ios::binary) << bytes;
        return Caminho(nome);
    }

    std::string Gravar(const std::string& nome, const TCartao& cartao) const
    {
        return Gravar(nome, ConteudoArquivoCfg(cartao));
    }

private:
    QTemporaryDir pasta_;
};
