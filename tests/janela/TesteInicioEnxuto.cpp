// What the start-up leaves out, and that nothing else changes for it: plugins set aside until the
// window's first frame, and the window built under its own font.

#include "JanelaTeste.h"
#include "PluginsAdiados.h"

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPixmapCache>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QImage MolduraDeCaixa()
{
    QGroupBox caixa(QStringLiteral("Cartão"));
    caixa.resize(120, 60);
    return caixa.grab().toImage();
}

}  // namespace

// Each test runs in a process of its own, so no image has been read before this one.
TEST(PluginsAdiados, OPrimeiroQuadroUsaOsLeitoresEmbutidosEDepoisTudoVolta)
{
    QWidget janela;
    janela.resize(200, 100);
    AdiarPluginsAtePrimeiraPintura(janela);
    const QList<QByteArray> adiados = QImageReader::supportedImageFormats();
    EXPECT_FALSE(adiados.contains("jpeg"));
    EXPECT_TRUE(adiados.contains("png"));
    EXPECT_TRUE(adiados.contains("xpm"));
    const QImage semPlugins = MolduraDeCaixa();

    janela.grab();  // the first frame
    QApplication::processEvents();
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
    // The style's PNG frame, read again with every plugin there, gives the same pixels.
    QPixmapCache::clear();
    EXPECT_EQ(MolduraDeCaixa(), semPlugins);
}

// The window is built under its own font so the default one is never loaded for it; the
// application's font, which dialogs and hints use, is the same afterwards.
using FonteDoPrograma = JanelaTeste;

TEST_F(FonteDoPrograma, AJanelaDeixaAFonteDoProgramaComoEstava)
{
    QFont propria(QStringLiteral("DejaVu Serif"));
    propria.setPointSize(15);
    QApplication::setFont(propria);
    AbrirJanela();
    EXPECT_EQ(janela->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(janela->font().pixelSize(), 11);
    EXPECT_EQ(QApplication::font(), propria);
    janela.reset();
    EXPECT_EQ(QApplication::font(), propria);
    EXPECT_EQ(QWidget().font(), propria);
}

// Labels are placed rather than sized to their text, which would lay each text out once more
// at every start: each must still show its whole text, or reach the control it names, under
// which its leader dots run on.
using RotulosDaJanela = JanelaTeste;

TEST_F(RotulosDaJanela, CadaRotuloMostraOTextoInteiroOuChegaAoControleQueNomeia)
{
    AbrirJanela();
    const QList<QLabel*> rotulos = janela->findChildren<QLabel*>();
    ASSERT_GE(rotulos.size(), 12);
    for (const QLabel* rotulo : rotulos) {
        if (rotulo->text().isEmpty())
            continue;
        const QSize texto = rotulo->sizeHint();
        EXPECT_LE(texto.height(), rotulo->height()) << rotulo->text().toStdString();
        if (texto.width() <= rotulo->width())
            continue;
        ASSERT_NE(rotulo->buddy(), nullptr) << rotulo->text().toStdString();
        EXPECT_EQ(rotulo->buddy()->parentWidget(), rotulo->parentWidget());
        EXPECT_GE(rotulo->geometry().right() + 1, rotulo->buddy()->x()) << rotulo->text().toStdString();
    }
}
