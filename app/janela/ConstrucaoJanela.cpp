// Builds the window's controls at their design positions, with their texts, hints and fonts.
// No layouts: maximising the window only adds empty space to the right and below.

#include "TFrmConfig.h"

#include "Figuras.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEditMoldurado.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Textos.h"
#include "ValidadorNome.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolTip>

namespace {

const QString FonteJanela = QStringLiteral("Liberation Sans");

QFont Fonte(int alturaPixels, bool negrito = false, const QString& familia = FonteJanela)
{
    QFont fonte(familia);
    fonte.setPixelSize(alturaPixels);
    fonte.setBold(negrito);
    return fonte;
}

const QFont Regular13 = Fonte(13);
const QFont Negrito13 = Fonte(13, true);

template <class Controle>
Controle* Colocar(Controle* controle, int esquerda, int topo, int largura, int altura, const QFont& fonte)
{
    controle->setGeometry(esquerda, topo, largura, altura);
    controle->setFont(fonte);
    return controle;
}

// A one-line label from (esquerda, topo) up to direita, the edge of the control it names. Its
// text is drawn from the top, so the label is never measured: sizing it to its text would lay
// the text out once more than painting does, the largest avoidable cost of building the window.
QLabel* Rotulo(QWidget* pai, const QString& texto, int esquerda, int topo, int direita, const QFont& fonte = Regular13)
{
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setFont(fonte);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rotulo->setGeometry(esquerda, topo, direita - esquerda, rotulo->fontMetrics().height());
    return rotulo;
}

// A box's title is measured in the font the box has when the title is set, so boxes get it
// after their font: measured first in the window's font, which no control shows, it would load
// that font at every start.
template <class Moldura>
Moldura* Intitular(Moldura* caixa, const QString& titulo)
{
    caixa->setTitle(titulo);
    return caixa;
}

QGroupBox* Caixa(QWidget* pai, const QString& titulo, int esquerda, int topo, int largura, int altura,
                 const QFont& fonte)
{
    return Intitular(Colocar(new QGroupBox(pai), esquerda, topo, largura, altura, fonte), titulo);
}

// A read-only box the program writes and the operator only reads: grey text, no tab stop.
QLineEdit* CaixaSomenteLeitura(QWidget* pai, const QString& texto)
{
    auto* caixa = new QLineEdit(texto, pai);
    caixa->setReadOnly(true);
    caixa->setFocusPolicy(Qt::ClickFocus);
    QPalette paleta = caixa->palette();
    paleta.setColor(QPalette::Text, Qt::gray);
    caixa->setPalette(paleta);
    return caixa;
}

TSpinEdit* Contador(QWidget* pai, int minimo, int maximo, int valor)
{
    auto* contador = new TSpinEdit(pai);
    contador->SetMinValue(minimo);
    contador->SetMaxValue(maximo);
    contador->SetValue(valor);
    return contador;
}

// While it lives, the application's font is the controls' own. Qt's line edits lay out their
// empty text in the application's font while they are constructed, before they take their own:
// built this way, the window loads no font that no control shows (neither the default one, a
// second font file, nor the window's own), each costing a font set-up at every start.
class FonteDosControlesDuranteAConstrucao {
public:
    explicit FonteDosControlesDuranteAConstrucao(const QFont& fonte) { QApplication::setFont(fonte); }
    ~FonteDosControlesDuranteAConstrucao() { QApplication::setFont(fonteDoPrograma_); }
    FonteDosControlesDuranteAConstrucao(const FonteDosControlesDuranteAConstrucao&) = delete;
    FonteDosControlesDuranteAConstrucao& operator=(const FonteDosControlesDuranteAConstrucao&) = delete;

private:
    const QFont fonteDoPrograma_ = QApplication::font();
};

// The refused characters as the hint names them: a character that shows, in quotes; one that
// does not (a line break, a tab), by its code.
QString DescreverRecusa(const QStringList& recusados)
{
    QStringList descritos;
    for (const QString& caractere : recusados) {
        const char32_t codigo = caractere.toUcs4().value(0);
        descritos.append(QChar::isPrint(codigo) ? QStringLiteral("\u201C%1\u201D").arg(caractere)
                                                : QStringLiteral("U+%1").arg(codigo, 4, 16, QLatin1Char('0')).toUpper());
    }
    return (descritos.size() == 1 ? Textos::CaractereRecusado : Textos::CaracteresRecusados)
        .arg(descritos.join(QStringLiteral(", ")));
}

TComboBox* Lista(QWidget* pai, const QStringList& itens)
{
    auto* lista = new TComboBox(pai);
    lista->addItems(itens);
    lista->SetItemIndex(-1);
    return lista;
}

}  // namespace

void TFrmConfig::CriarControles()
{
    const QFont fonteJanela = Fonte(11);
    const FonteDosControlesDuranteAConstrucao fonteDuranteAConstrucao(Regular13);
    setWindowTitle(Textos::TituloJanela);
    setWindowIcon(IconeJanela());
    setFont(fonteJanela);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, paleta.color(QPalette::Button));
    setPalette(paleta);
    setAutoFillBackground(true);
    setGeometry(0, 0, 812, 588);

    ImgPelunca = new QLabel(this);
    ImgPelunca->setGeometry(144, 8, 385, 65);
    ImgPelunca->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImgPelunca->setPixmap(LogoPelunca());

    GrbCartao = Caixa(this, Textos::CaixaCartao, 8, 188, 513, 129, Negrito13);

    RdgLeitura = Intitular(Colocar(new TRadioGroup({}, Textos::ItensFormaLeitura, 1, this), 120, 204, 129, 105,
                                   Regular13),
                           Textos::FormaLeitura);
    RdgLeitura->setToolTip(Textos::DicaFormaLeitura);
    RdgLeitura->SetItemIndex(1);

    StxConfig = new QLabel(Textos::NomePrograma, this);
    StxConfig->setGeometry(8, 24, 129, 36);
    StxConfig->setFont(Fonte(27, true, QStringLiteral("Liberation Sans")));
    QPalette vermelho = StxConfig->palette();
    vermelho.setColor(QPalette::WindowText, Qt::red);
    StxConfig->setPalette(vermelho);

    // Under the logo, as wide as it.
    StxPelunca = Rotulo(this, Textos::FaixaPelunca, 148, 80, 529, Negrito13);

    StxPrograma = Rotulo(this, Textos::DescricaoPrograma, 148, 100, 529);

    GrbMascara = Caixa(this, Textos::CaixaMascara, 8, 473, 385, 72, Negrito13);
    GrbGrupo = Caixa(this, Textos::CaixaGrupo, 8, 320, 513, 149, Negrito13);
    GrbArquivo = Caixa(this, Textos::CaixaArquivo, 8, 128, 513, 57, Negrito13);

    BitAjuda = Colocar(new TBitBtn(Textos::BotaoAjuda, FiguraAjuda(), this), 416, 477, 97, 35, Negrito13);
    BitAjuda->setToolTip(Textos::DicaAjuda);
    QPalette preto = BitAjuda->palette();
    preto.setColor(QPalette::ButtonText, Qt::black);
    BitAjuda->setPalette(preto);

    BitFechar = Colocar(new TBitBtn(Textos::BotaoFechar, FiguraFechar(), this), 416, 515, 97, 35, Negrito13);
    BitFechar->setToolTip(Textos::DicaFechar);

    CriarImagemCartao();
    CriarCaixaArquivo();
    CriarCaixaCartao();
    CriarCaixaGrupo();
    CriarCaixaMascara();
    DefinirOrdemTabulacao();
    DefinirNomesAcessiveis();

    // Every control and the picture's frame stay whole: the window never gets smaller than them,
    // plus the margin the controls keep on the left.
    const int margem = GrbCartao->x();
    setMinimumSize(childrenRect().right() + 1 + margem, childrenRect().bottom() + 1 + margem);
}

void TFrmConfig::CriarImagemCartao()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setGeometry(533, 0, 261, 545);
    ScrollBox1->setFrameStyle(QFrame::Box | QFrame::Plain);
    ScrollBox1->setLineWidth(1);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setBackgroundRole(QPalette::Button);

    ImgCartao = new TImagemCartao(superficie_.Imagem(), Cartao, ScrollBox1);
    ScrollBox1->setWidget(ImgCartao);
    connect(ImgCartao, &TImagemCartao::EscalaDaTelaMudou, this, &TFrmConfig::RedesenharNaEscala);
    // The keyboard cursor and one cell's pitch around it stay in view.
    connect(ImgCartao, &TImagemCartao::CursorMostrado, ScrollBox1, [this](const QRect& area) {
        ScrollBox1->ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + 15, area.height() / 2 + 9);
    });
}

void TFrmConfig::CriarCaixaArquivo()
{
    LblArquivo = Rotulo(GrbArquivo, Textos::ArquivoAtual, 6, 25, 88);

    EdtArquivo = Colocar(new TEditMoldurado(GrbArquivo->palette().color(QPalette::ToolTipBase), GrbArquivo), 88, 24,
                         129, 22, Regular13);
    EdtArquivo->setReadOnly(true);
    EdtArquivo->setFocusPolicy(Qt::ClickFocus);
    EdtArquivo->setToolTip(Textos::ArquivoAtual);

    BitNovo = Colocar(new TBitBtn(Textos::BotaoNovo, FiguraNovo(), GrbArquivo), 227, 16, 86, 33, Negrito13);
    BitNovo->setToolTip(Textos::DicaNovo);
    BitAbrir = Colocar(new TBitBtn(Textos::BotaoAbrir, FiguraAbrir(), GrbArquivo), 320, 16, 89, 33, Negrito13);
    BitAbrir->setToolTip(Textos::DicaAbrir);
    BitSalvar = Colocar(new TBitBtn(Textos::BotaoSalvar, FiguraSalvar(), GrbArquivo), 416, 16, 86, 33, Negrito13);
    BitSalvar->setToolTip(Textos::DicaSalvar);
    BitSalvar->setEnabled(false);

    for (TDialogoArquivo* dialogo : {&OpdAbrir, &SvdSalvar}) {
        dialogo->Filtro = Textos::FiltroArquivos;
        dialogo->ExtensaoPadrao = QStringLiteral("cfg");
        dialogo->NomeArquivo = QStringLiteral("*.cfg");
    }
    OpdAbrir.Titulo = Textos::TituloAbrir;
    OpdAbrir.Redimensionavel = true;
    SvdSalvar.Titulo = Textos::TituloSalvar;
    SvdSalvar.ConfirmarSubstituicao = true;
    SvdSalvar.Redimensionavel = false;
}

void TFrmConfig::CriarCaixaCartao()
{
    GrbSerial = Caixa(GrbCartao, Textos::CaixaSerial, 8, 16, 105, 105, Regular13);
    CBSerial = Colocar(Lista(GrbSerial, Textos::PortasSeriais), 8, 32, 81, 22, Regular13);

    GrbFormato = Caixa(GrbCartao, Textos::CaixaFormato, 240, 16, 265, 105, Regular13);
    GrbFormato->setToolTip(Textos::DicaFormato);
    LblNumGrupo = Rotulo(GrbFormato, Textos::NumeroDeGrupos, 8, 26, 220);
    LblNumGrupo->setToolTip(Textos::DicaFormato);
    SpeMaxGrupo = Colocar(Contador(GrbFormato, 1, MaxGrupos, 1), 220, 25, 37, 26, Regular13);
    SpeMaxGrupo->setToolTip(Textos::DicaMaxGrupo);
    LblNumCartao = Rotulo(GrbFormato, Textos::NumeroDeLinhas, 8, 66, 220);
    LblNumCartao->setToolTip(Textos::DicaFormato);
    EdtNumLinha = Colocar(CaixaSomenteLeitura(GrbFormato, QStringLiteral("1")), 220, 61, 21, 24, Regular13);
    EdtNumLinha->setToolTip(Textos::DicaNumLinha);
}

void TFrmConfig::CriarCaixaGrupo()
{
    LblNumero = Rotulo(GrbGrupo, Textos::NumeroDoGrupo, 6, 26, 116);
    LblNumInicial = Rotulo(GrbGrupo, Textos::LinhaInicialDoGrupo, 174, 18, 468);
    LblNumFinal = Rotulo(GrbGrupo, Textos::LinhaFinalDoGrupo, 174, 42, 468);
    LblNome = Rotulo(GrbGrupo, Textos::NomeDoGrupo, 6, 58, 177);
    LblDivisao = Rotulo(GrbGrupo, Textos::TipoDoGrupo, 6, 114, 100);
    LblDigito = Rotulo(GrbGrupo, Textos::DigitoVerificador, 190, 84, 296);

    RdgHabilitado = Intitular(Colocar(new TRadioGroup({}, Textos::ItensHabilitado, 2, GrbGrupo), 396, 66, 109, 39,
                                      Regular13),
                              Textos::Habilitado);
    RdgHabilitado->setToolTip(Textos::DicaHabilitado);
    RdgHabilitado->SetItemIndex(0);

    SpeNumGrupo = Colocar(Contador(GrbGrupo, 1, 1, 1), 116, 25, 37, 26, Regular13);
    SpeNumGrupo->setToolTip(Textos::DicaNumGrupo);

    EdtNome = Colocar(new TEdit(GrbGrupo), 6, 81, 171, 24, Regular13);
    EdtNome->setToolTip(Textos::DicaNome);
    auto* validador = new ValidadorNome(EdtNome);
    EdtNome->setValidator(validador);
    // A character the box refuses does not vanish without a word: the hint under the box says why.
    connect(EdtNome, &QLineEdit::inputRejected, EdtNome, [this, validador] {
        if (!validador->Recusados().isEmpty())
            QToolTip::showText(EdtNome->mapToGlobal(QPoint(0, EdtNome->height() - 14)),
                               DescreverRecusa(validador->Recusados()), EdtNome);
    });

    CobDivisao = Colocar(Lista(GrbGrupo, Textos::TiposDeGrupo), 100, 114, 389, 24, Regular13);
    CobDivisao->setToolTip(Textos::DicaDivisao);

    SpeLinhaFinal = Colocar(Contador(GrbGrupo, 1, MaxLinhas, 1), 468, 41, 37, 26, Regular13);
    SpeLinhaFinal->setToolTip(Textos::DicaLinhaFinal);

    EdtLinhaInicial = Colocar(CaixaSomenteLeitura(GrbGrupo, QStringLiteral("1")), 468, 13, 21, 24, Regular13);
    EdtLinhaInicial->setToolTip(Textos::DicaLinhaInicial);

    // Its hint is kept with it but not shown: hints are off for this list.
    Cobdigito = Colocar(Lista(GrbGrupo, Textos::DigitosVerificadores), 296, 80, 81, 24, Regular13);
    Cobdigito->setPlaceholderText(Textos::DigitosVerificadores.constFirst());
    Cobdigito->setAccessibleDescription(Textos::DicaDigito);
    Cobdigito->setEnabled(false);
}

void TFrmConfig::CriarCaixaMascara()
{
    BitMascara = Colocar(new TBitBtn(Textos::MascaraDesligada, FiguraMascara(), GrbMascara), 8, 23, 361, 37,
                         Negrito13);
    BitMascara->setToolTip(Textos::DicaMascara);
}

void TFrmConfig::DefinirOrdemTabulacao()
{
    const QList<QWidget*> ordem{BitNovo,       BitAbrir,     BitSalvar,
                                RdgLeitura->Botao(0), RdgLeitura->Botao(1),
                                CBSerial,      SpeMaxGrupo,  SpeNumGrupo,
                                SpeLinhaFinal, EdtNome,      Cobdigito,
                                RdgHabilitado->Botao(0), RdgHabilitado->Botao(1),
                                CobDivisao,    ImgCartao,    BitMascara,   BitAjuda,
                                BitFechar};
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}
