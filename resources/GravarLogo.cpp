// Build step: draws the logo and writes its pixels as a C++ source file for the program.
// Usage: ortelo_gravar_logo SAIDA.cpp

#include "DesenhoLogo.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: ortelo_gravar_logo SAIDA.cpp\n");
        return 2;
    }
    // A build machine may have no display; the logo needs none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argumentos = 1;
    QGuiApplication aplicacao(argumentos, argv);

    const QImage logo = DesenharLogoPelunca().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (logo.width() != LarguraLogo || logo.height() != AlturaLogo)
        return 1;

    std::FILE* saida = std::fopen(argv[1], "w");
    if (saida == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(saida, "// Written by ortelo_gravar_logo from LogoPelunca.cpp; do not edit.\n"
                        "#include \"LogoGravado.h\"\n\nconst std::uint32_t LogoGravado[LarguraLogo * AlturaLogo] = {\n");
    for (int y = 0; y < AlturaLogo; ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(logo.constScanLine(y));
        for (int x = 0; x < LarguraLogo; ++x)
            std::fprintf(saida, "0x%08X,%s", linha[x], (x + 1) % 8 == 0 ? "\n" : " ");
        std::fputc('\n', saida);
    }
    std::fprintf(saida, "};\n");
    const bool gravado = std::ferror(saida) == 0;
    return std::fclose(saida) == 0 && gravado ? 0 : 1;
}
