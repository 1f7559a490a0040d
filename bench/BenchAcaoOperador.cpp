// One operator action on the real window, offscreen, from the key press to the card picture
// painted again: the handler, the group rules, the refresh of the controls, the redraw and the
// repaint of the window. The window starts on the worst card for the redraw, restored at start-up
// from the last file as the program does.

#include "ArquivoCfg.h"
#include "Cartao.h"
#include "CartaoPiorCaso.h"
#include "TComboBox.h"
#include "TFrmConfig.h"
#include "TImagemCartao.h"
#include "TSpinEdit.h"
#include "UltimoArquivo.h"

#include "PrincipalQt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Counts the paints of the card picture, so each action can be checked to have reached the screen.
class ContadorDePinturas : public QObject {
public:
    int pinturas = 0;
    bool eventFilter(QObject*, QEvent* evento) override
    {
        pinturas += evento->type() == QEvent::Paint;
        return false;
    }
};

struct Bancada {
    QTemporaryDir pasta;
    std::unique_ptr<TFrmConfig> janela;
    ContadorDePinturas contador;
};

Bancada* bancada = nullptr;

// The window restores the worst card from its last file, as at a real start.
bool PrepararBancada()
{
    bancada = new Bancada;
    if (!bancada->pasta.isValid() || !QDir::setCurrent(bancada->pasta.path()))
        return false;
    QFile programa(QStringLiteral("Ortelo"));
    if (!programa.open(QIODevice::WriteOnly) || programa.write("programa") != 8)
        return false;
    programa.close();
    const std::string cfg = bancada->pasta.filePath(QStringLiteral("pior.cfg")).toStdString();
    GravarArquivoCfg(cfg, CartaoPiorCaso());
    GravarUltimoArquivo(bancada->pasta.filePath(QStringLiteral("Cfg.inf")).toStdString(), cfg);

    bancada->janela = std::make_unique<TFrmConfig>();
    bancada->janela->show();
    QApplication::setActiveWindow(bancada->janela.get());
    if (!QTest::qWaitForWindowExposed(bancada->janela.get()))
        return false;
    bancada->janela->ImgCartao->installEventFilter(&bancada->contador);
    return bancada->janela->Cartao.NumGrupos == MaxGrupos;
}

// Presses the key on the control, alternately the first and the second key so the card swings
// between two states, and lets the window paint. Fails when the picture was not painted again.
void Acionar(benchmark::State& estado, QWidget* controle, Qt::Key ida, Qt::Key volta)
{
    controle->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const int grupos = bancada->janela->Cartao.NumGrupos;
    bool indo = true;
    for (auto _ : estado) {
        const int antes = bancada->contador.pinturas;
        QTest::keyClick(controle, indo ? ida : volta);
        QApplication::processEvents();
        if (bancada->contador.pinturas == antes) {
            estado.SkipWithError("the card picture was not painted again");
            break;
        }
        indo = !indo;
    }
    if (!indo)
        QTest::keyClick(controle, volta);
    QApplication::processEvents();
    if (bancada->janela->Cartao.NumGrupos != grupos)
        estado.SkipWithError("the card did not come back to its group count");
}

void LinhaFinalDoGrupo(benchmark::State& estado)
{
    Acionar(estado, bancada->janela->SpeLinhaFinal, Qt::Key_Up, Qt::Key_Down);
}
BENCHMARK(LinhaFinalDoGrupo)->Unit(benchmark::kMicrosecond)->UseRealTime();

void NumeroDeGrupos(benchmark::State& estado)
{
    Acionar(estado, bancada->janela->SpeMaxGrupo, Qt::Key_Down, Qt::Key_Up);
}
BENCHMARK(NumeroDeGrupos)->Unit(benchmark::kMicrosecond)->UseRealTime();

void TipoDoGrupo(benchmark::State& estado)
{
    Acionar(estado, bancada->janela->CobDivisao, Qt::Key_Down, Qt::Key_Up);
}
BENCHMARK(TipoDoGrupo)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    return RodarComQApplication(argc, argv, PrepararBancada, [] { delete bancada; });
}
