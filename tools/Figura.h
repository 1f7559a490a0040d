#pragma once

// The card picture as the window shows it right after opening the file, for ortelo-cartao desenhar.

#include "Cartao.h"
#include "Superficie.h"

#include <QImage>

#include <string>

// The window's button face under the style it runs with (Fusion), the picture's background.
constexpr Cor FaceBotaoDaJanela = 0xEFEFEF;

constexpr int EscalaMinima = 1;
constexpr int EscalaMaxima = 8;

// Brings the card to the state the window draws it in after opening it, and returns the line
// count the window draws with.
int PrepararComoAJanela(TCartao& cartao);

// The window's pixels, each enlarged to escala x escala.
QImage ImagemDoCartao(TCartao cartao, int escala);

// The same picture as an SVG document, `escala` times the picture's size.
std::string SvgDoCartao(TCartao cartao, int escala);

// The PNG file bytes of an image.
std::string BytesPng(const QImage& imagem);
