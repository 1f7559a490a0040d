#pragma once

// Turning palette art into what the buttons show: the transparent key colour and the greyed copy.

#include <QIcon>
#include <QImage>

// Every pixel of the lower-left pixel's colour becomes fully transparent; a picture whose
// lower-left pixel is transparent already comes back unchanged.
QImage AplicarCorTransparente(const QImage& figura);

// An embossed grey copy, drawn in the way of disabled button pictures: the dark pixels (outlines,
// dark details) become a grey shape with a white highlight one pixel down and to the right;
// coloured fills vanish.
// Made here rather than by the style, so it looks the same in every style.
QImage GerarCopiaDesabilitada(const QImage& figura);

// Builds the button icon: the picture with its key colour made transparent, and the greyed copy.
QIcon IconeDeBotao(const QImage& figura);
