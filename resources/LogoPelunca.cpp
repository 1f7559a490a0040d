#include "DesenhoLogo.h"
#include "LetrasLogo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// The maker's logo: a badge with a marked card on the left, the name in stroke-built capitals,
// a red rule and the trade line beneath. The background stays transparent so the logo sits on
// whatever button face the style paints.

namespace {

const QColor AzulMarca(0x17, 0x2B, 0x63);
const QColor AzulClaro(0x2F, 0x52, 0xA8);
const QColor VermelhoMarca(0xC4, 0x12, 0x1A);
const QColor VermelhoEscuro(0x86, 0x0A, 0x10);

void DesenharEmblema(QPainter& p)
{
    // Badge.
    const QRectF selo(3, 3, 54, 54);
    QLinearGradient fundo(selo.topLeft(), selo.bottomRight());
    fundo.setColorAt(0, VermelhoMarca);
    fundo.setColorAt(1, VermelhoEscuro);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(selo.translated(1.5, 1.5), 9, 9);
    p.setBrush(fundo);
    p.drawRoundedRect(selo, 9, 9);

    // A card, slightly turned, with its timing track and a few marked positions.
    p.save();
    p.translate(30, 30);
    p.rotate(-9);
    const QRectF cartao(-15, -21, 30, 42);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(cartao.translated(1.5, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(cartao);
    for (int linha = 0; linha < 6; ++linha) {
        const qreal y = -16 + linha * 6.5;
        p.setBrush(Qt::black);
        p.drawRect(QRectF(-13, y, 4, 3));
        for (int coluna = 0; coluna < 3; ++coluna) {
            const QRectF marca(-6 + coluna * 7, y - 0.5, 5, 4);
            const bool marcada = (linha * 3 + coluna) % 4 == 1;
            p.setPen(QPen(VermelhoMarca, 1));
            p.setBrush(marcada ? QBrush(AzulMarca) : QBrush(Qt::NoBrush));
            p.drawEllipse(marca);
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

void DesenharNome(QPainter& p, qreal esquerda, qreal larguraTexto)
{
    const qreal altura = 34, traco = 8;
    const QString palavra = QStringLiteral("PELUNCA");
    // Spread the letters evenly over the room the name has.
    const qreal justa = ContornoPalavra(palavra, altura, traco, 0).boundingRect().width();
    const qreal espaco = (larguraTexto - justa) / (palavra.size() - 1);
    const QPainterPath nome =
        ContornoPalavra(palavra, altura, traco, espaco).translated(esquerda, 4);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(nome.translated(1.5, 1.5));
    QLinearGradient tinta(0, 4, 0, 4 + altura);
    tinta.setColorAt(0, AzulClaro);
    tinta.setColorAt(1, AzulMarca);
    p.setBrush(tinta);
    p.drawPath(nome);
}

void DesenharLinhaComercial(QPainter& p, qreal esquerda, qreal largura)
{
    p.setPen(Qt::NoPen);
    p.setBrush(VermelhoMarca);
    p.drawRect(QRectF(esquerda, 41.5, largura, 2.5));

    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(10);
    fonte.setBold(true);
    const QString texto = QStringLiteral("CARTÕES PARA LEITURA ÓPTICA");
    // Letter spacing that makes the trade line as wide as the name above it.
    const QFontMetricsF medida(fonte);
    const qreal folga = (largura - medida.horizontalAdvance(texto)) / (texto.size() - 1);
    fonte.setLetterSpacing(QFont::AbsoluteSpacing, qMax<qreal>(0, folga));
    p.setFont(fonte);
    p.setPen(QColor(0x3A, 0x3A, 0x3A));
    p.drawText(QPointF(esquerda, 56.5), texto);
}

}  // namespace

QImage DesenharLogoPelunca()
{
    QImage logo(LarguraLogo, AlturaLogo, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DesenharEmblema(p);
    const qreal esquerda = 70, largura = LarguraLogo - esquerda - 6;
    DesenharNome(p, esquerda, largura);
    DesenharLinhaComercial(p, esquerda, largura);
    p.end();
    return logo;
}
