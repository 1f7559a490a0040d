// What the screen shows of the card picture is the picture's own pixels, one image pixel on one
// device pixel, whatever the screen's scale. CTest runs this file once more with Qt scaling the
// program by 1.25 and by 1.5 (DesenhoNaTela.Escala1_25, DesenhoNaTela.Escala1_5).

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "Geometria.h"
#include "TBitBtn.h"
#include "TImagemCartao.h"

#include <QScrollArea>
#include <QTest>

#include <cmath>

namespace {

constexpr QRgb Azul = 0x0000FF;  // the cursor's colour

// Type 3 on lines 1-45 and type 1 on 46-90: item numbers, letters, digits and boxes on every line.
TCartao CartaoCheio()
{
    TCartao cartao;
    IniciarPadroes(cartao);
    cartao.NumGrupos = 2;
    cartao.NumLinhas = 90;
    cartao.Grupos[1] = TGrupo{"Letras", 1, 45, 3, 1};
    cartao.Grupos[2] = TGrupo{"Inscricao", 46, 90, 1, 1};
    return cartao;
}

class DesenhoNaTela : public JanelaTeste {
protected:
    void SetUp() override
    {
        Escrever("cheio.cfg", ConteudoArquivoCfg(CartaoCheio()));
        Escrever("Cfg.inf", Caminho("cheio.cfg").toStdString());
        AbrirJanela();
        ASSERT_EQ(janela->Cartao.NumLinhas, 90);
    }
    double Razao() const { return janela->ImgCartao->devicePixelRatioF(); }
    QImage Imagem() const { return janela->ImagemCartao().convertToFormat(QImage::Format_RGB32); }
    void Pressionar(int linha, int coluna)
    {
        const Retangulo celula = RetanguloCelula(linha, coluna);
        QTest::mouseClick(janela->ImgCartao, Qt::LeftButton, {},
                          QPoint((celula.Esquerda + celula.Direita) / 2, (celula.Topo + celula.Base) / 2));
    }
};

TEST_F(DesenhoNaTela, ThePictureReachesTheScreenUnresampledWithTheCursorOnTheScreensPixels)
{
    if (const QByteArray pedida = qgetenv("QT_SCALE_FACTOR"); !pedida.isEmpty()) {
        ASSERT_EQ(Razao(), pedida.toDouble()) << "the run's scale reaches the picture";
    }
    ASSERT_EQ(janela->ImagemCartao().devicePixelRatio(), Razao());
    Focar(janela->ImgCartao);
    QTest::keyClick(janela->ImgCartao, Qt::Key_Down);
    QTest::keyClick(janela->ImgCartao, Qt::Key_Right);
    const QImage imagem = Imagem();

    const QImage tela = janela->ImgCartao->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tela.size(), imagem.size());
    // The ring in the gaps round line 2, column 2: a frame's thickness above and below, twice that at the sides.
    const Retangulo celula = RetanguloNoDispositivo(RetanguloCelula(2, 2), Razao());
    const int e = EspessuraDaMoldura(Razao());
    const QRect dentro(QPoint(celula.Esquerda, celula.Topo), QPoint(celula.Direita - 1, celula.Base - 1));
    const QRect anel = dentro.adjusted(-2 * e, -e, 2 * e, e);
    int azuis = 0, outros = 0;
    for (int y = 0; y < tela.height(); ++y)
        for (int x = 0; x < tela.width(); ++x) {
            if (anel.contains(x, y) && !dentro.contains(x, y))
                azuis += (tela.pixel(x, y) & 0xFFFFFF) == Azul;
            else
                outros += tela.pixel(x, y) != imagem.pixel(x, y);
        }
    EXPECT_EQ(azuis, anel.width() * anel.height() - dentro.width() * dentro.height());
    EXPECT_EQ(outros, 0);

    // In the window too, where the scroll box may put the picture a fraction of a device pixel off
    // the grid: the part in view is the picture's pixels at one whole device pixel.
    QTest::keyClick(janela->ImgCartao, Qt::Key_Tab);
    const QImage semCursor = Imagem();
    const QImage janelaToda = janela->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPointF origem = QPointF(janela->ImgCartao->mapTo(janela.get(), QPoint(0, 0))) * Razao();
    const int altura = static_cast<int>(janela->ScrollBox1->viewport()->height() * Razao()) - 1;
    bool achada = false;
    for (const int dx : {static_cast<int>(std::floor(origem.x())), static_cast<int>(std::ceil(origem.x()))})
        for (const int dy : {static_cast<int>(std::floor(origem.y())), static_cast<int>(std::ceil(origem.y()))})
            achada = achada || janelaToda.copy(dx, dy, semCursor.width(), altura) == semCursor.copy(0, 0, semCursor.width(), altura);
    EXPECT_TRUE(achada) << "the picture in the window at " << origem.x() << ", " << origem.y();
}

// Moving to a screen of another scale draws the picture again for it, the mask selection with
// its toggles included, and leaves the card as it was.
TEST_F(DesenhoNaTela, AnotherScaleDrawsTheSamePictureAndLeavesTheCardAndTheSelectionAlone)
{
    Clicar(janela->BitMascara);
    ASSERT_TRUE(janela->ModoMascara);
    Pressionar(1, 1);  // an item number unmasked
    Pressionar(1, 2);  // a letter masked
    ASSERT_EQ(Celula(1, 1), Lido);
    ASSERT_EQ(Celula(1, 2), Mascarado);
    const TCartao cartao = janela->Cartao;
    const QImage antes = Imagem();

    const double outra = Razao() == 2.0 ? 1.5 : 2.0;
    emit janela->ImgCartao->EscalaDaTelaMudou(outra);
    EXPECT_EQ(janela->ImagemCartao().devicePixelRatio(), outra);
    EXPECT_EQ(janela->ImagemCartao().width(), std::lround(240 * outra));
    EXPECT_EQ(janela->Cartao, cartao);
    EXPECT_TRUE(janela->ModoMascara);

    janela->ImgCartao->grab();  // painted on this screen again
    EXPECT_EQ(janela->ImagemCartao().devicePixelRatio(), Razao());
    EXPECT_TRUE(Imagem() == antes);
    EXPECT_EQ(janela->Cartao, cartao);
    EXPECT_TRUE(janela->ModoMascara);
}

}  // namespace
