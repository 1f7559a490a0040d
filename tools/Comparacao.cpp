#include "Comparacao.h"

#include "Concatenar.h"
#include "PosicoesDoCartao.h"
#include "TextoLegivel.h"
#include "TextosDoCartao.h"

#include <sstream>

namespace {

using std::to_string;

class Comparacao {
public:
    Comparacao(const TCartao& a, const TCartao& b) : a_(a), b_(b) {}

    std::vector<Diferenca> Resultado()
    {
        Comparar(CampoComparado::PortaSerial, a_.PortaSerial, b_.PortaSerial, TextoDaPorta);
        Comparar(CampoComparado::FormaLeitura, a_.FormaLeitura, b_.FormaLeitura, Aspas);
        Comparar(CampoComparado::NumLinhas, a_.NumLinhas, b_.NumLinhas, Numero);
        Comparar(CampoComparado::NumGrupos, a_.NumGrupos, b_.NumGrupos, Numero);
        Comparar(CampoComparado::DigitoVerificador, a_.DigitoVerificador, b_.DigitoVerificador, Digito);

        const int emA = GruposEmUso(a_), emB = GruposEmUso(b_);
        for (int g = 1; g <= std::max(emA, emB); ++g) {
            if (g > emA || g > emB) {
                diferencas_.push_back({CampoComparado::Grupo, g, 0, 0, g <= emA ? "existe" : "não existe",
                                       g <= emB ? "existe" : "não existe"});
                continue;
            }
            const TGrupo& ga = a_.Grupos[static_cast<std::size_t>(g)];
            const TGrupo& gb = b_.Grupos[static_cast<std::size_t>(g)];
            Comparar(CampoComparado::Nome, ga.Nome, gb.Nome, Nome, g);
            Comparar(CampoComparado::LinhaInicial, ga.LinhaInicial, gb.LinhaInicial, Numero, g);
            Comparar(CampoComparado::LinhaFinal, ga.LinhaFinal, gb.LinhaFinal, Numero, g);
            Comparar(CampoComparado::Tipo, ga.Tipo, gb.Tipo, Tipo, g);
            Comparar(CampoComparado::Habilitado, ga.Habilitado, gb.Habilitado, Habilitado, g);
        }

        for (int linha = 1; linha <= MaxLinhas; ++linha)
            for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                const auto k = static_cast<std::size_t>(IndiceCelula(linha, coluna));
                if (a_.Mascara[k] == b_.Mascara[k])
                    continue;
                const int grupoA = GrupoDaLinha(a_, linha);
                diferencas_.push_back({CampoComparado::Celula, grupoA ? grupoA : GrupoDaLinha(b_, linha), linha,
                                       coluna, Aspas(a_.Mascara[k]), Aspas(b_.Mascara[k])});
            }
        Comparar(CampoComparado::Elemento1081, a_.Mascara[TamanhoMascara], b_.Mascara[TamanhoMascara], Aspas);
        return std::move(diferencas_);
    }

private:
    template <typename T, typename Texto>
    void Comparar(CampoComparado campo, const T& a, const T& b, Texto texto, int grupo = 0)
    {
        if (a != b)
            diferencas_.push_back({campo, grupo, 0, 0, texto(a), texto(b)});
    }

    static std::string Numero(std::int32_t valor) { return to_string(valor); }
    static std::string Aspas(char c) { return Concatenar({"\"", CaractereLegivel(c), "\""}); }
    static std::string Nome(const std::string& nome) { return Concatenar({"\"", TextoLegivel(nome), "\""}); }
    static std::string Digito(std::int32_t d) { return to_string(d) + " (" + TextoDoDigito(d) + ")"; }
    static std::string Tipo(std::int32_t t) { return to_string(t) + " (" + TextoDoTipo(t) + ")"; }
    static std::string Habilitado(std::uint8_t h) { return to_string(h) + " (" + TextoDoHabilitado(h) + ")"; }

    const TCartao& a_;
    const TCartao& b_;
    std::vector<Diferenca> diferencas_;
};

std::string NomeDoCampo(CampoComparado campo)
{
    switch (campo) {
    case CampoComparado::PortaSerial: return "Porta serial";
    case CampoComparado::FormaLeitura: return "Forma de leitura";
    case CampoComparado::NumLinhas: return "Número de linhas";
    case CampoComparado::NumGrupos: return "Número de grupos";
    case CampoComparado::DigitoVerificador: return "Dígito verificador";
    case CampoComparado::Grupo: return "Grupo";
    case CampoComparado::Nome: return "nome";
    case CampoComparado::LinhaInicial: return "linha inicial";
    case CampoComparado::LinhaFinal: return "linha final";
    case CampoComparado::Tipo: return "tipo";
    case CampoComparado::Habilitado: return "habilitado";
    case CampoComparado::Celula: return "máscara";
    case CampoComparado::Elemento1081: return "Elemento 1081 da máscara";
    }
    return {};
}

std::string Onde(const Diferenca& d)
{
    return d.Grupo ? "Grupo " + to_string(d.Grupo) + ", " : std::string();
}

}  // namespace

std::vector<Diferenca> CompararCartoes(const TCartao& a, const TCartao& b)
{
    return Comparacao(a, b).Resultado();
}

std::string TextoDasDiferencas(const std::vector<Diferenca>& diferencas)
{
    std::ostringstream saida;
    for (std::size_t i = 0; i < diferencas.size(); ++i) {
        const Diferenca& d = diferencas[i];
        if (d.Campo != CampoComparado::Celula) {
            // Settings name themselves; group fields follow their group ("Grupo 2, tipo").
            const std::string rotulo = d.Campo == CampoComparado::Grupo ? "Grupo " + to_string(d.Grupo)
                                       : d.Grupo                         ? Onde(d) + NomeDoCampo(d.Campo)
                                                                         : NomeDoCampo(d.Campo);
            saida << rotulo << ": A " << d.ValorA << ", B " << d.ValorB << "\n";
            continue;
        }
        // The cells of one line go on one text line, column by column.
        saida << "Máscara, " << (d.Grupo ? "grupo " + to_string(d.Grupo) : std::string("fora dos grupos")) << ", linha "
              << d.Linha << ":";
        const char* separador = " ";
        for (; i < diferencas.size() && diferencas[i].Campo == CampoComparado::Celula && diferencas[i].Linha == d.Linha; ++i) {
            saida << separador << "coluna " << diferencas[i].Coluna << " (A " << diferencas[i].ValorA << ", B "
                  << diferencas[i].ValorB << ")";
            separador = ", ";
        }
        --i;
        saida << "\n";
    }
    return saida.str();
}
