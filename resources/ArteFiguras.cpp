#include "ArteFiguras.h"

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

QImage Arte(Figura figura)
{
    switch (figura) {
    case Figura::Janela: return QImage(janela_xpm);
    case Figura::Novo: return QImage(novo_xpm);
    case Figura::Abrir: return QImage(abrir_xpm);
    case Figura::Salvar: return QImage(salvar_xpm);
    case Figura::Mascara: return QImage(mascara_xpm);
    case Figura::Ajuda: return QImage(ajuda_xpm);
    case Figura::Fechar: return QImage(fechar_xpm);
    }
    return {};
}
