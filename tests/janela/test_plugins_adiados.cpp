// Plugins set aside until the window's first frame: that frame still draws Qt's own pictures
// with the built-in readers, and everything comes back afterwards.

#include "PluginsAdiados.h"

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
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
