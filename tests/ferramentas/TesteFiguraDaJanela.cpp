// desenhar at scale 1 gives exactly the pixels of the window's own picture after it opened
// the same file, for cards the editor saved and for hand-edited ones.

#include "CartoesDeTeste.h"
#include "Figura.h"
#include "JanelaTeste.h"
#include "LeituraCartao.h"
#include "TBitBtn.h"

#include <functional>

namespace {

struct Caso {
    const char* Nome;
    std::function<void(TCartao&)> Alterar;
};

const Caso Casos[] = {
    {"doEditor", [](TCartao&) {}},
    {"umGrupoComOutroNumeroDeLinhas",
     [](TCartao& c) {
         c.NumGrupos = 1;
         c.NumLinhas = 12;
     }},
    {"doisGruposComOutroNumeroDeLinhas", [](TCartao& c) { c.NumLinhas = 40; }},
    {"editadoAMao",
     [](TCartao& c) {
         c.NumGrupos = 3;
         c.Grupos[2] = TGrupo{"", 2, 50, 6, 0};
         c.Grupos[3] = TGrupo{"", 40, 45, 15, 1};
         Celula(c, 3, 4) = 'x';
         Celula(c, 2, 2) = Lido;
         DefinirMascaraDasLinhas(c, 51, 90, Mascarado);
     }},
};

class FiguraDaJanela : public JanelaTeste, public ::testing::WithParamInterface<Caso> {};

TEST_P(FiguraDaJanela, ThePngAtScaleOneIsTheWindowsPicture)
{
    TCartao cartao = CartaoDoEditor();
    GetParam().Alterar(cartao);
    const std::string caminho = Caminho("cartao.cfg").toStdString();
    Escrever("cartao.cfg", ConteudoArquivoCfg(cartao));

    AbrirJanela();
    dialogos->ArquivosParaAbrir.push_back(Caminho("cartao.cfg"));
    Clicar(janela->BitAbrir);
    ASSERT_TRUE(dialogos->Erros.isEmpty());
    const QImage daJanela = janela->ImagemCartao().convertToFormat(QImage::Format_RGB32);

    const CartaoLido lido = LerCartao(caminho);
    ASSERT_TRUE(lido.Cartao.has_value()) << lido.Erro;
    const std::string png = BytesPng(ImagemDoCartao(*lido.Cartao, 1));
    const QImage daFerramenta =
        QImage::fromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG")
            .convertToFormat(QImage::Format_RGB32);

    ASSERT_EQ(daFerramenta.size(), daJanela.size());
    int diferentes = 0;
    for (int y = 0; y < daJanela.height(); ++y)
        for (int x = 0; x < daJanela.width(); ++x)
            diferentes += daFerramenta.pixel(x, y) != daJanela.pixel(x, y);
    EXPECT_EQ(diferentes, 0);
}

INSTANTIATE_TEST_SUITE_P(Cartoes, FiguraDaJanela, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.Nome); });

}  // namespace
