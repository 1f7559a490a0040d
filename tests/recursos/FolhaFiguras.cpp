// Writes a contact sheet of the program's pictures, to look at them while drawing:
// each picture at 1x and 4x, normal and disabled, on light, classic grey and dark faces.
// Usage: ortelo_folha_figuras SAIDA.png [AMPLIADA.png]   (the second sheet: 10x, normal only)

#include "Figuras.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <utility>
#include <vector>

namespace {

QImage Ampliada(const QPixmap& figura, int vezes)
{
    return figura.toImage().scaled(figura.size() * vezes, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        QTextStream(stderr) << "uso: ortelo_folha_figuras SAIDA.png [AMPLIADA.png]\n";
        return 2;
    }
    const std::vector<std::pair<QIcon, QSize>> figuras = {
        {FiguraNovo(), {16, 16}},    {FiguraAbrir(), {16, 16}},   {FiguraSalvar(), {16, 16}},
        {FiguraMascara(), {16, 16}}, {FiguraAjuda(), {16, 16}},   {FiguraFechar(), {16, 16}},
        {IconeJanela(), {32, 32}},
    };
    const QColor fundos[] = {QColor(0xEF, 0xEF, 0xEF), QColor(0xC0, 0xC0, 0xC0), QColor(0x35, 0x35, 0x35)};

    const int colunaLargura = 150, faixaAltura = 150;
    QImage folha(colunaLargura * int(figuras.size()) + 20, faixaAltura * 3 + 2 * 140, QImage::Format_RGB32);
    QPainter p(&folha);
    for (int f = 0; f < 3; ++f) {
        p.fillRect(0, f * faixaAltura, folha.width(), faixaAltura, fundos[f]);
        for (int i = 0; i < int(figuras.size()); ++i) {
            const auto& [icone, tamanho] = figuras[size_t(i)];
            const int x = 10 + i * colunaLargura, y = f * faixaAltura + 8;
            const QPixmap normal = icone.pixmap(tamanho, QIcon::Normal);
            const QPixmap desabilitada = icone.pixmap(tamanho, QIcon::Disabled);
            const int vezes = tamanho.width() == 16 ? 4 : 2;
            p.drawImage(x, y, Ampliada(normal, vezes));
            p.drawImage(x + 70, y, Ampliada(desabilitada, vezes));
            p.drawPixmap(x, y + 75, normal);
            p.drawPixmap(x + 40, y + 75, desabilitada);
            if (vezes == 4) {
                p.drawImage(x, y + 100, Ampliada(normal, 2));
                p.drawImage(x + 40, y + 100, Ampliada(desabilitada, 2));
            }
        }
    }
    const QPixmap logo = LogoPelunca();
    for (int f = 0; f < 2; ++f) {
        const int y = 3 * faixaAltura + f * 140;
        p.fillRect(0, y, folha.width(), 140, fundos[f]);
        p.drawPixmap(10, y + 10, logo);
        p.drawImage(400, y + 10, Ampliada(logo, 2).copy(0, 0, 640, 120));
    }
    p.end();
    if (!folha.save(QString::fromLocal8Bit(argv[1])))
        return 1;
    if (argc == 3) {
        QImage ampliada(int(figuras.size()) * 340, 340, QImage::Format_RGB32);
        ampliada.fill(fundos[1]);
        QPainter q(&ampliada);
        for (int i = 0; i < int(figuras.size()); ++i) {
            const auto& [icone, tamanho] = figuras[size_t(i)];
            q.drawImage(10 + i * 340, 10, Ampliada(icone.pixmap(tamanho), 320 / tamanho.width()));
        }
        q.end();
        if (!ampliada.save(QString::fromLocal8Bit(argv[2])))
            return 1;
    }
    return 0;
}
