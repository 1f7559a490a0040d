#include "Figuras.h"

#include "LogoGravado.h"
#include "ProcessamentoFiguras.h"

#include <QImage>

namespace {
// Palette art, 16 colours each. The button pictures use magenta as their key colour; the window
// icon has a real transparent background, as it is also installed for the desktop.
#include "figuras/abrir.xpm"
#include "figuras/ajuda.xpm"
#include "figuras/fechar.xpm"
#include "figuras/janela.xpm"
#include "figuras/mascara.xpm"
#include "figuras/novo.xpm"
#include "figuras/salvar.xpm"
}  // namespace

QIcon IconeJanela()
{
    return QIcon(QPixmap::fromImage(AplicarCorTransparente(QImage(janela_xpm))));
}

QPixmap LogoPelunca()
{
    // Pixels drawn at build time; fromImage copies them, so the constant data is never written.
    const QImage logo(reinterpret_cast<const uchar*>(LogoGravado), LarguraLogo, AlturaLogo,
                      QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(logo);
}

QIcon FiguraNovo() { return IconeDeBotao(QImage(novo_xpm)); }
QIcon FiguraAbrir() { return IconeDeBotao(QImage(abrir_xpm)); }
QIcon FiguraSalvar() { return IconeDeBotao(QImage(salvar_xpm)); }
QIcon FiguraMascara() { return IconeDeBotao(QImage(mascara_xpm)); }
QIcon FiguraAjuda() { return IconeDeBotao(QImage(ajuda_xpm)); }
QIcon FiguraFechar() { return IconeDeBotao(QImage(fechar_xpm)); }
