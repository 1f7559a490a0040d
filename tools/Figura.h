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

// The whole picture, as the window holds it, or only its top down to just below the card's
// lines, where below is nothing but the button face.
enum class Recorte { JanelaInteira, LinhasDoCartao };

// Brings the card to the state the window draws it in after opening it, and returns the line
// count the window draws with.
int PrepararComoAJanela(TCartao& cartao);

// The height of the picture cut below the card's frame and every group drawn below it, with the
// margin the frame has above it; the picture's full height at most.
int AlturaRecortada(const TCartao& cartao, int numLinhas);

// The window's pixels, each enlarged to escala x escala.
QImage ImagemDoCartao(TCartao cartao, int escala, Recorte recorte = Recorte::JanelaInteira);

// The same picture as an SVG document, `escala` times the picture's size.
std::string SvgDoCartao(TCartao cartao, int escala, Recorte recorte = Recorte::JanelaInteira);

// The PNG file bytes of an image.
std::string BytesPng(const QImage& imagem);
