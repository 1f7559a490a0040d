// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window
// the way Ortelo shows its own (maximised, no command line).

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication aplicacao(argc, argv);
    QWidget janela;
    janela.setWindowTitle(QStringLiteral("Janela nua"));
    janela.showMaximized();
    return aplicacao.exec();
}
