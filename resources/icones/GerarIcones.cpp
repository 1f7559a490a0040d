// Draws Ortelo's desktop icons: the window icon's white card with black timing marks down its
// left edge and three columns of red mark positions, laid out anew for each size on whole pixels
// so that no edge is blurred, plus the largest layout as SVG for every other size.
//
// ortelo_gerar_icones PASTA writes PASTA/ortelo-<size>.png for each size and PASTA/ortelo.svg.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

// One size of the drawing, in pixels. The card is a rectangle with its top-right corner cut at
// 45 degrees; the shadow is the card's shape moved right and down by the outline width.
// Mark positions are given from the card's top-left corner.
struct TracadoIcone {
    int Tamanho;
    int Esquerda, Topo, Largura, Altura;
    int Borda, Canto;
    int XTempo, LarguraTempo;
    int XColuna, LarguraColuna, PassoColuna;
    int YLinha, AlturaMarca, PassoLinha, Linhas;
};

// Small sizes keep one-pixel lines and fewer rows; large ones thinner lines relative to the card.
constexpr std::array<TracadoIcone, 7> Tracados{{
    // size  card             line cut  timing  columns      rows
    {16,     1, 0, 13, 15,    1, 2,     2, 2,   6, 1, 2,     3, 1, 2, 5},
    {24,     3, 1, 18, 22,    1, 3,     2, 2,   6, 2, 4,     4, 2, 3, 6},
    {32,     4, 1, 24, 29,    1, 3,     2, 3,   8, 3, 5,     4, 2, 3, 8},
    {48,     6, 1, 36, 44,    2, 5,     4, 4,   13, 4, 7,    7, 3, 4, 8},
    {64,     8, 2, 48, 58,    2, 5,     4, 6,   16, 6, 10,   6, 4, 6, 8},
    {128,    16, 4, 96, 116,  3, 12,    8, 12,  34, 12, 20,  12, 8, 12, 8},
    {256,    32, 8, 192, 232, 6, 24,    16, 24, 68, 24, 40,  24, 16, 24, 8},
}};

const QColor Sombra(0x80, 0x80, 0x80);
const QColor Vermelho(0xFF, 0x00, 0x00);

// The card's outline, inset by `recuo` pixels; the cut corner moves along so that the diagonal
// line keeps the outline's width.
QPolygonF Contorno(const TracadoIcone& t, double recuo)
{
    const double esquerda = t.Esquerda + recuo, topo = t.Topo + recuo;
    const double direita = t.Esquerda + t.Largura - recuo, base = t.Topo + t.Altura - recuo;
    const double canto = t.Canto + recuo * (std::sqrt(2.0) - 1.0);
    return QPolygonF({{esquerda, topo}, {direita - canto, topo}, {direita, topo + canto},
                      {direita, base}, {esquerda, base}});
}

template <typename Marca>
void ParaCadaMarca(const TracadoIcone& t, Marca marca)
{
    for (int linha = 0; linha < t.Linhas; ++linha) {
        const int y = t.Topo + t.YLinha + linha * t.PassoLinha;
        marca(QRect(t.Esquerda + t.XTempo, y, t.LarguraTempo, t.AlturaMarca), Qt::black);
        for (int coluna = 0; coluna < 3; ++coluna)
            marca(QRect(t.Esquerda + t.XColuna + coluna * t.PassoColuna, y, t.LarguraColuna, t.AlturaMarca),
                  Vermelho);
    }
}

// The card row by row on whole pixels, so that even the cut corner is a crisp 45-degree step at
// every size. Each row is the outline colour up to the card's edge; inside it, white up to the
// outline's width from the edge (measured across the diagonal, where the corner is cut).
void DesenharCartao(QPainter& pintor, const TracadoIcone& t, int deslocamento, const QColor& contorno,
                    const QColor& fundo)
{
    const int direita = t.Esquerda + t.Largura;
    const int bordaDiagonal = static_cast<int>(std::lround(t.Borda * std::sqrt(2.0)));
    for (int y = t.Topo; y < t.Topo + t.Altura; ++y) {
        const int diagonal = direita - t.Canto + (y - t.Topo);
        pintor.fillRect(t.Esquerda + deslocamento, y + deslocamento,
                        std::min(direita, diagonal) - t.Esquerda, 1, contorno);
        if (fundo.isValid() && y >= t.Topo + t.Borda && y < t.Topo + t.Altura - t.Borda) {
            const int fim = std::min(direita - t.Borda, diagonal - bordaDiagonal);
            pintor.fillRect(t.Esquerda + t.Borda, y, fim - t.Esquerda - t.Borda, 1, fundo);
        }
    }
}

QImage Desenhar(const TracadoIcone& t)
{
    QImage imagem(t.Tamanho, t.Tamanho, QImage::Format_ARGB32);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    DesenharCartao(pintor, t, t.Borda, Sombra, QColor());
    DesenharCartao(pintor, t, 0, Qt::black, Qt::white);
    ParaCadaMarca(t, [&](const QRect& r, const QColor& cor) { pintor.fillRect(r, cor); });
    return imagem;
}

QString Pontos(const QPolygonF& poligono)
{
    QString texto;
    for (const QPointF& p : poligono)
        texto += QStringLiteral("%1,%2 ").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
    return texto.trimmed();
}

QString Svg(const TracadoIcone& t)
{
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
        .arg(t.Tamanho);
    const auto poligono = [&](const QPolygonF& p, const QString& cor) {
        svg += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\"/>\n").arg(Pontos(p), cor);
    };
    poligono(Contorno(t, 0).translated(t.Borda, t.Borda), Sombra.name());
    poligono(Contorno(t, 0), QStringLiteral("#000000"));
    poligono(Contorno(t, t.Borda), QStringLiteral("#ffffff"));
    ParaCadaMarca(t, [&](const QRect& r, const QColor& cor) {
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).arg(cor.name());
    });
    return svg + QStringLiteral("</svg>\n");
}

bool GravarTexto(const QString& caminho, const QString& texto)
{
    QFile arquivo(caminho);
    const QByteArray bytes = texto.toUtf8();
    return arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate) && arquivo.write(bytes) == bytes.size() &&
           arquivo.flush();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s PASTA\n", argv[0]);
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    for (const TracadoIcone& t : Tracados) {
        const QString caminho = QStringLiteral("%1/ortelo-%2.png").arg(pasta).arg(t.Tamanho);
        if (!Desenhar(t).save(caminho, "PNG")) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(caminho));
            return 1;
        }
    }
    const QString caminhoSvg = pasta + QStringLiteral("/ortelo.svg");
    if (!GravarTexto(caminhoSvg, Svg(Tracados.back()))) {
        std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(caminhoSvg));
        return 1;
    }
    return 0;
}
