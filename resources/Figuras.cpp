#include "Figuras.h"

#include "FigurasGravadas.h"

#include <QImage>

namespace {

// The stored pixels are constant: fromImage copies them, so they are never written.
QPixmap Pixmap(int largura, int altura, const std::uint32_t* pixels, QImage::Format formato)
{
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels), largura, altura, formato));
}

QIcon Icone(Figura figura)
{
    const FiguraGravada& gravada = FigurasGravadas[static_cast<int>(figura)];
    QIcon icone;
    icone.addPixmap(Pixmap(gravada.Lado, gravada.Lado, gravada.Normal, QImage::Format_ARGB32), QIcon::Normal);
    if (gravada.Desabilitada != nullptr)
        icone.addPixmap(Pixmap(gravada.Lado, gravada.Lado, gravada.Desabilitada, QImage::Format_ARGB32),
                        QIcon::Disabled);
    return icone;
}

}  // namespace

QIcon IconeJanela() { return Icone(Figura::Janela); }

QPixmap LogoPelunca()
{
    return Pixmap(LarguraLogo, AlturaLogo, LogoGravado, QImage::Format_ARGB32_Premultiplied);
}

QIcon FiguraNovo() { return Icone(Figura::Novo); }
QIcon FiguraAbrir() { return Icone(Figura::Abrir); }
QIcon FiguraSalvar() { return Icone(Figura::Salvar); }
QIcon FiguraMascara() { return Icone(Figura::Mascara); }
QIcon FiguraAjuda() { return Icone(Figura::Ajuda); }
QIcon FiguraFechar() { return Icone(Figura::Fechar); }
