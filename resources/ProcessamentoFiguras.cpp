#include "ProcessamentoFiguras.h"

#include <QIcon>
#include <QPixmap>

namespace {

// Pixels darker than this make up the shape of the greyed copy: outlines and dark details stay,
// fills (red, yellow, cyan, grey, white) drop out as they do on classic disabled pictures.
constexpr int LimiteEscuro = 80;

const QRgb CinzaSombra = qRgb(0x80, 0x80, 0x80);
const QRgb BrancoRealce = qRgb(0xFF, 0xFF, 0xFF);

bool Visivel(QRgb pixel) { return qAlpha(pixel) != 0; }

}  // namespace

QImage AplicarCorTransparente(const QImage& figura)
{
    QImage resultado = figura.convertToFormat(QImage::Format_ARGB32);
    if (resultado.isNull())
        return resultado;
    const QRgb chave = resultado.pixel(0, resultado.height() - 1);
    // Art that is transparent there already (an XPM "None") has no key colour to remove.
    if (qAlpha(chave) != 255)
        return resultado;
    for (int y = 0; y < resultado.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(resultado.scanLine(y));
        for (int x = 0; x < resultado.width(); ++x) {
            if (linha[x] == chave)
                linha[x] = qRgba(0, 0, 0, 0);
        }
    }
    return resultado;
}

QImage GerarCopiaDesabilitada(const QImage& figura)
{
    const QImage origem = figura.convertToFormat(QImage::Format_ARGB32);
    QImage resultado(origem.size(), QImage::Format_ARGB32);
    resultado.fill(Qt::transparent);

    auto escuro = [&origem](int x, int y) {
        const QRgb p = origem.pixel(x, y);
        return Visivel(p) && qGray(p) < LimiteEscuro;
    };
    // The highlight first, so that the grey shape covers it wherever the two meet.
    for (int y = 0; y < origem.height(); ++y)
        for (int x = 0; x < origem.width(); ++x)
            if (escuro(x, y) && x + 1 < origem.width() && y + 1 < origem.height())
                resultado.setPixel(x + 1, y + 1, BrancoRealce);
    for (int y = 0; y < origem.height(); ++y)
        for (int x = 0; x < origem.width(); ++x)
            if (escuro(x, y))
                resultado.setPixel(x, y, CinzaSombra);
    return resultado;
}

QIcon IconeDeBotao(const QImage& figura)
{
    const QImage normal = AplicarCorTransparente(figura);
    QIcon icone;
    icone.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
    icone.addPixmap(QPixmap::fromImage(GerarCopiaDesabilitada(normal)), QIcon::Disabled);
    return icone;
}
