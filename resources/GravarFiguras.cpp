// Build step: draws the logo, finishes the palette art, and writes all their pixels as a C++
// source file for the program, which then only copies them.
// Usage: ortelo_gravar_figuras SAIDA.cpp

#include "ArteFiguras.h"
#include "DesenhoLogo.h"
#include "ProcessamentoFiguras.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

const char* const NomesDasFiguras[NumeroDeFiguras] = {"Janela", "Novo", "Abrir", "Salvar",
                                                      "Mascara", "Ajuda", "Fechar"};

void Gravar(std::FILE* saida, const std::string& nome, const QImage& imagem)
{
    std::fprintf(saida, "const std::uint32_t %s[%d * %d] = {\n", nome.c_str(), imagem.width(), imagem.height());
    for (int y = 0; y < imagem.height(); ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(imagem.constScanLine(y));
        for (int x = 0; x < imagem.width(); ++x)
            std::fprintf(saida, "0x%08X,%s", linha[x], (x + 1) % 8 == 0 ? "\n" : " ");
        std::fputc('\n', saida);
    }
    std::fprintf(saida, "};\n\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: ortelo_gravar_figuras SAIDA.cpp\n");
        return 2;
    }
    // A build machine may have no display; the pictures need none.
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
    std::fprintf(saida, "// Written by ortelo_gravar_figuras; do not edit.\n"
                        "#include \"FigurasGravadas.h\"\n\n");
    Gravar(saida, "LogoGravado", logo);

    std::string tabela = "const FiguraGravada FigurasGravadas[NumeroDeFiguras] = {\n";
    for (int i = 0; i < NumeroDeFiguras; ++i) {
        const auto figura = static_cast<Figura>(i);
        const QImage normal = AplicarCorTransparente(Arte(figura));
        if (normal.isNull() || normal.width() != normal.height())
            return 1;
        const std::string nome = std::string("Pixels") + NomesDasFiguras[i];
        Gravar(saida, nome, normal);
        std::string desabilitada = "nullptr";
        // The window icon is shown only as it is; the buttons also greyed.
        if (figura != Figura::Janela) {
            desabilitada = nome + "Desabilitada";
            Gravar(saida, desabilitada, GerarCopiaDesabilitada(normal));
        }
        tabela += "    {" + std::to_string(normal.width()) + ", " + nome + ", " + desabilitada + "},\n";
    }
    std::fprintf(saida, "%s};\n", tabela.c_str());
    const bool gravado = std::ferror(saida) == 0;
    return std::fclose(saida) == 0 && gravado ? 0 : 1;
}
