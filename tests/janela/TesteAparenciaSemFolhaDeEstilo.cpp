// The file-name box and the red program name are drawn with palettes instead of style sheets
// (a style sheet costs the start-up several milliseconds); they must give the very same pixels as
// the style sheets they replace, in every state the window shows them in.

#include "TEditMoldurado.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QFont Fonte(int pixels, bool negrito)
{
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

// The widget alone in a window of its own, shown and active, in the window's face colour.
QImage Quadro(QWidget& janela, QWidget& controle, bool foco)
{
    janela.resize(controle.geometry().bottomRight().x() + 10, controle.geometry().bottomRight().y() + 10);
    janela.show();
    QApplication::setActiveWindow(&janela);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&janela));
    if (foco)
        controle.setFocus();
    return controle.grab().toImage();
}

struct EstadoCaixa {
    const char* nome;
    QString texto;
    bool foco;
    int selecaoInicio;  // -1: none
    int selecaoTamanho;
};

}  // namespace

TEST(AparenciaSemFolhaDeEstilo, CaixaDoArquivoIgualAFolhaDeEstilo)
{
    const EstadoCaixa estados[] = {
        {"empty", QString(), false, -1, 0},
        {"short name", QStringLiteral("cartao.cfg"), false, -1, 0},
        {"name longer than the box", QStringLiteral("cartao_com_um_nome_longo_demais_para_a_caixa.cfg"), false, -1, 0},
        {"focused", QStringLiteral("cartao.cfg"), true, -1, 0},
        {"focused with a selection", QStringLiteral("cartao.cfg"), true, 2, 5},
    };
    for (const EstadoCaixa& estado : estados) {
        SCOPED_TRACE(estado.nome);
        auto preparar = [&](QLineEdit& caixa) {
            caixa.setGeometry(10, 10, 129, 22);
            caixa.setFont(Fonte(13, false));
            caixa.setReadOnly(true);
            caixa.setFocusPolicy(Qt::ClickFocus);
            caixa.setText(estado.texto);
            if (estado.selecaoInicio >= 0)
                caixa.setSelection(estado.selecaoInicio, estado.selecaoTamanho);
        };
        QWidget janelaModelo;
        auto* modelo = new QLineEdit(&janelaModelo);
        const QColor fundo = modelo->palette().color(QPalette::ToolTipBase);
        modelo->setStyleSheet(
            QStringLiteral("QLineEdit { background: %1; border: 1px solid black; }").arg(fundo.name()));
        preparar(*modelo);
        const QImage esperado = Quadro(janelaModelo, *modelo, estado.foco);

        QWidget janela;
        auto* caixa = new TEditMoldurado(fundo, &janela);
        preparar(*caixa);
        const QImage obtido = Quadro(janela, *caixa, estado.foco);
        EXPECT_EQ(obtido, esperado);
        EXPECT_EQ(obtido.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(obtido.pixel(5, 1), fundo.rgb());
    }
}

TEST(AparenciaSemFolhaDeEstilo, NomeVermelhoIgualAFolhaDeEstilo)
{
    auto preparar = [](QLabel& nome) {
        nome.setText(QStringLiteral("Ortelo"));
        nome.setGeometry(10, 10, 129, 36);
        nome.setFont(Fonte(27, true));
    };
    QWidget janelaModelo;
    auto* modelo = new QLabel(&janelaModelo);
    modelo->setStyleSheet(QStringLiteral("color: red;"));
    preparar(*modelo);
    const QImage esperado = Quadro(janelaModelo, *modelo, false);

    QWidget janela;
    auto* nome = new QLabel(&janela);
    QPalette vermelho = nome->palette();
    vermelho.setColor(QPalette::WindowText, Qt::red);
    nome->setPalette(vermelho);
    preparar(*nome);
    const QImage obtido = Quadro(janela, *nome, false);
    EXPECT_EQ(obtido, esperado);
    int pixelsVermelhos = 0;
    for (int y = 0; y < obtido.height(); ++y)
        for (int x = 0; x < obtido.width(); ++x)
            pixelsVermelhos += obtido.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(pixelsVermelhos, 100);  // the name is really drawn, in red
}
