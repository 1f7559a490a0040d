#include "Avisos.h"

#include "Disposicoes.h"
#include "PosicoesDoCartao.h"
#include "TextoLegivel.h"

#include <algorithm>

namespace {

using std::to_string;

class Verificacao {
public:
    explicit Verificacao(const TCartao& cartao) : cartao_(cartao), grupos_(GruposEmUso(cartao)) {}

    std::vector<Aviso> Resultado()
    {
        Configuracoes();
        for (int g = 1; g <= grupos_; ++g)
            CamposDoGrupo(g);
        SequenciaDosGrupos();
        Rotulos();
        Desabilitados();
        CelulasDaMascara();
        if (cartao_.Mascara[TamanhoMascara] != Lido)
            Avisar(TipoAviso::Elemento1081,
                   "o elemento 1081 da máscara é \"" + CaractereLegivel(cartao_.Mascara[TamanhoMascara]) +
                       "\", não \"0\"",
                   LinhaDoElemento(grupos_, TamanhoMascara));
        std::stable_sort(avisos_.begin(), avisos_.end(),
                         [](const Aviso& a, const Aviso& b) { return a.LinhaDoArquivo < b.LinhaDoArquivo; });
        return std::move(avisos_);
    }

private:
    const TGrupo& G(int g) const { return cartao_.Grupos[static_cast<std::size_t>(g)]; }
    char Celula(int linha, int coluna) const
    {
        return cartao_.Mascara[static_cast<std::size_t>(IndiceCelula(linha, coluna))];
    }
    int LinhaDaCelula(int linha, int coluna) const { return LinhaDoElemento(grupos_, IndiceCelula(linha, coluna)); }

    void Avisar(TipoAviso tipo, std::string mensagem, int linhaDoArquivo, int grupo = 0, int linha = 0, int coluna = 0)
    {
        avisos_.push_back({tipo, std::move(mensagem), linhaDoArquivo, grupo, linha, coluna});
    }

    void Configuracoes()
    {
        if (cartao_.PortaSerial < 1 || cartao_.PortaSerial > 9)
            Avisar(TipoAviso::PortaInvalida,
                   "porta serial " + to_string(cartao_.PortaSerial) + " fora do intervalo de 1 a 9", LinhaDaPorta);
        if (cartao_.FormaLeitura != 'U' && cartao_.FormaLeitura != 'B')
            Avisar(TipoAviso::LeituraInvalida,
                   "forma de leitura \"" + CaractereLegivel(cartao_.FormaLeitura) + "\", não \"U\" nem \"B\"",
                   LinhaDaLeitura);

        const std::int32_t ultima = UltimaLinhaDosGrupos(cartao_);
        if (cartao_.NumLinhas != ultima)
            Avisar(TipoAviso::NumeroDeLinhas,
                   "número de linhas " + to_string(cartao_.NumLinhas) + ", mas o último grupo termina na linha " +
                       to_string(ultima),
                   LinhaDoNumeroDeLinhas);

        const std::int32_t digito = cartao_.DigitoVerificador;
        if (digito < 0 || digito > 4) {
            Avisar(TipoAviso::DigitoInvalido, "dígito verificador " + to_string(digito) + " fora do intervalo de 0 a 4",
                   LinhaDoDigito);
        } else if (digito != 0) {
            bool inscricao = false;
            for (int g = 1; g <= grupos_; ++g)
                inscricao = inscricao || EhTipoInscricao(G(g).Tipo);
            if (!inscricao)
                Avisar(TipoAviso::DigitoSemInscricao,
                       "dígito verificador " + to_string(digito) +
                           " escolhido, mas nenhum grupo é de inscrição (tipos 1, 7 e 8)",
                       LinhaDoDigito);
        }
    }

    void CamposDoGrupo(int g)
    {
        const TGrupo& grupo = G(g);
        if (grupo.Tipo < 0 || grupo.Tipo > 10)
            Avisar(TipoAviso::TipoInvalido, "tipo " + to_string(grupo.Tipo) + " fora do intervalo de 0 a 10",
                   LinhaDoArquivo(g, CampoDoGrupo::Tipo), g);
        if (grupo.Habilitado > 1)
            Avisar(TipoAviso::HabilitadoInvalido,
                   "habilitado vale " + to_string(grupo.Habilitado) + ", não 0 nem 1; o grupo conta como desabilitado",
                   LinhaDoArquivo(g, CampoDoGrupo::Habilitado), g);
        if (grupo.LinhaFinal < grupo.LinhaInicial)
            Avisar(TipoAviso::GrupoInvertido,
                   "termina na linha " + to_string(grupo.LinhaFinal) + ", antes de começar (linha " +
                       to_string(grupo.LinhaInicial) + ")",
                   LinhaDoArquivo(g, CampoDoGrupo::LinhaFinal), g);
    }

    // Groups must cover the card from line 1, each starting right after the one before.
    void SequenciaDosGrupos()
    {
        for (int g = 1; g <= grupos_; ++g) {
            const long long esperada = g == 1 ? 1 : static_cast<long long>(G(g - 1).LinhaFinal) + 1;
            const std::int32_t inicio = G(g).LinhaInicial;
            const int linhaDoArquivo = LinhaDoArquivo(g, CampoDoGrupo::LinhaInicial);
            if (inicio > esperada) {
                const std::string sobra = inicio - 1 == esperada
                                              ? "a linha " + to_string(esperada)
                                              : "as linhas " + to_string(esperada) + " a " + to_string(inicio - 1);
                Avisar(TipoAviso::LacunaEntreGrupos,
                       "começa na linha " + to_string(inicio) + ", deixando " + sobra + " sem grupo", linhaDoArquivo, g);
            } else if (inicio < esperada) {
                Avisar(TipoAviso::GruposSobrepostos,
                       "começa na linha " + to_string(inicio) + ", sobreposto ao grupo " + to_string(g - 1) +
                           ", que termina na linha " + to_string(G(g - 1).LinhaFinal),
                       linhaDoArquivo, g);
            }
        }
    }

    // The label positions come from the same layout tables the picture is drawn from.
    void Rotulos()
    {
        for (int g = 1; g <= grupos_; ++g) {
            const Disposicao* disposicao = DisposicaoDoTipo(G(g).Tipo);
            if (!disposicao)
                continue;
            for (int linha = std::max(G(g).LinhaInicial, 1); linha <= std::min(G(g).LinhaFinal, MaxLinhas); ++linha)
                for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                    const TipoColuna tipo = (*disposicao)[static_cast<std::size_t>(coluna - 1)].Tipo;
                    if (EhRotulo(tipo) && Celula(linha, coluna) == Lido)
                        Avisar(TipoAviso::RotuloNaoMascarado,
                               tipo == TipoColuna::NumeroItem ? "posição do número do item não mascarada"
                                                              : "coluna em branco não mascarada",
                               LinhaDaCelula(linha, coluna), g, linha, coluna);
                }
        }
    }

    // The editor masks every position of a group it disables; a read one means a hand edit.
    void Desabilitados()
    {
        for (int g = 1; g <= grupos_; ++g) {
            if (G(g).Habilitado == 1)
                continue;
            const Disposicao* disposicao = DisposicaoDoTipo(G(g).Tipo);
            int lidas = 0, primeiraLinha = 0, primeiraColuna = 0;
            for (int linha = std::max(G(g).LinhaInicial, 1); linha <= std::min(G(g).LinhaFinal, MaxLinhas); ++linha)
                for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                    // Labels are reported on their own; these are the mark positions.
                    if (disposicao && EhRotulo((*disposicao)[static_cast<std::size_t>(coluna - 1)].Tipo))
                        continue;
                    if (Celula(linha, coluna) != Lido)
                        continue;
                    if (lidas++ == 0) {
                        primeiraLinha = linha;
                        primeiraColuna = coluna;
                    }
                }
            if (lidas > 0)
                Avisar(TipoAviso::DesabilitadoComLeitura,
                       lidas == 1 ? std::string("desabilitado, mas com esta posição lida")
                                  : "desabilitado, mas com " + to_string(lidas) + " posições lidas (a primeira é esta)",
                       LinhaDaCelula(primeiraLinha, primeiraColuna), g, primeiraLinha, primeiraColuna);
        }
    }

    void CelulasDaMascara()
    {
        const long long ultima = UltimaLinhaDosGrupos(cartao_);
        for (int linha = 1; linha <= MaxLinhas; ++linha)
            for (int coluna = 1; coluna <= ColunasPorLinha; ++coluna) {
                const char celula = Celula(linha, coluna);
                if (celula != Lido && celula != Mascarado)
                    Avisar(TipoAviso::CaractereDeMascara,
                           "célula da máscara com \"" + CaractereLegivel(celula) + "\", não \"0\" nem \"1\"",
                           LinhaDaCelula(linha, coluna), GrupoDaLinha(cartao_, linha), linha, coluna);
                else if (celula == Mascarado && linha > ultima)
                    Avisar(TipoAviso::MascaraAbaixoDosGrupos, "célula mascarada abaixo do último grupo",
                           LinhaDaCelula(linha, coluna), 0, linha, coluna);
            }
    }

    const TCartao& cartao_;
    const int grupos_;
    std::vector<Aviso> avisos_;
};

}  // namespace

const char* CodigoDoAviso(TipoAviso tipo)
{
    switch (tipo) {
    case TipoAviso::GrupoInvertido: return "grupo-invertido";
    case TipoAviso::LacunaEntreGrupos: return "lacuna-entre-grupos";
    case TipoAviso::GruposSobrepostos: return "grupos-sobrepostos";
    case TipoAviso::NumeroDeLinhas: return "numero-de-linhas";
    case TipoAviso::TipoInvalido: return "tipo-invalido";
    case TipoAviso::DigitoInvalido: return "digito-invalido";
    case TipoAviso::DigitoSemInscricao: return "digito-sem-inscricao";
    case TipoAviso::PortaInvalida: return "porta-invalida";
    case TipoAviso::LeituraInvalida: return "forma-de-leitura-invalida";
    case TipoAviso::HabilitadoInvalido: return "habilitado-invalido";
    case TipoAviso::RotuloNaoMascarado: return "rotulo-nao-mascarado";
    case TipoAviso::DesabilitadoComLeitura: return "desabilitado-com-posicoes-lidas";
    case TipoAviso::MascaraAbaixoDosGrupos: return "mascara-abaixo-do-ultimo-grupo";
    case TipoAviso::CaractereDeMascara: return "caractere-de-mascara";
    case TipoAviso::Elemento1081: return "elemento-1081";
    }
    return "desconhecido";
}

std::vector<Aviso> VerificarCartao(const TCartao& cartao)
{
    return Verificacao(cartao).Resultado();
}
