// The yardsticks of the start-up benchmark: the least a Qt Widgets program does to show a window
// the way Ortelo shows its own (maximised, no command line). Built twice: the bare window, and
// the same window with one line of text, which is the least that starts the font system.
//
// Both get Ortelo's size. Under a window manager all three are maximised to the same size; on the
// benchmark's bare display each keeps its own, and a window sized to a lone label (96 x 30) would
// save the 1.9 MB of window pixels that any window of Ortelo's size holds.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication aplicacao(argc, argv);
    QWidget janela;
    janela.setWindowTitle(QStringLiteral("Janela nua"));
    janela.resize(812, 588);
#ifdef ORTELO_JANELA_COM_TEXTO
    auto* texto = new QLabel(QStringLiteral("Configuração"), &janela);
    texto->move(8, 8);
    texto->adjustSize();
#endif
    janela.showMaximized();
    return aplicacao.exec();
}
