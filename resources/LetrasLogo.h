#pragma once

// The logo's capital letters, built from strokes so that the logo looks the same whatever fonts
// the machine has installed.

#include <QPainterPath>
#include <QString>

// Filled outline of one word of capitals (only the letters the logo needs: A C E L N P U),
// letters of height altura drawn with strokes of width traco, top-left corner at the origin.
// Unknown letters leave a gap of a letter's width.
QPainterPath ContornoPalavra(const QString& palavra, qreal altura, qreal traco, qreal espaco);
