#include "JanelaTeste.h"

#include "TBitBtn.h"
#include "TComboBox.h"
#include "TSpinEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include "Plataforma.h"

#include <QKeyEvent>
#include <QTest>

JanelaTeste::JanelaTeste() : pastaAnterior_(QDir::currentPath())
{
    QDir::setCurrent(pasta_.path());
    const QFileInfo programa(ArquivoDoPrograma());
    arquivoDoPrograma_ = programa.isAbsolute() ? Caminho(programa.fileName()) : programa.filePath();
    Escrever(programa.fileName(), "programa");
    QDir(pasta_.path()).mkdir(QStringLiteral("Config"));
}

JanelaTeste::~JanelaTeste()
{
    janela.reset();
    QDir::setCurrent(pastaAnterior_);
}

void JanelaTeste::AbrirJanela(std::deque<bool> respostas, const QString& arquivoInicial)
{
    // A window before this one is closed as the operator would, dropping its changes: a copy
    // that merely vanished would leave its card to be offered to the next one.
    if (janela) {
        dialogos->Respostas = {false};
        janela->close();
        janela.reset();
    }
    auto roteiro = std::make_unique<DialogosRoteirizados>();
    roteiro->Respostas = std::move(respostas);
    dialogos = roteiro.get();
    janela = std::make_unique<TFrmConfig>(std::move(roteiro), arquivoInicial, arquivoDoPrograma_);
    janela->show();
    QCoreApplication::processEvents();  // the start-up's last step, once the window is up
    QApplication::setActiveWindow(janela.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
}

std::string JanelaTeste::Bytes(const QString& nome) const
{
    QFile arquivo(Caminho(nome));
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return arquivo.readAll().toStdString();
}

void JanelaTeste::Escrever(const QString& nome, const std::string& bytes) const
{
    QFile arquivo(Caminho(nome));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    arquivo.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void JanelaTeste::Clicar(QWidget* controle)
{
    QTest::mouseClick(controle, Qt::LeftButton);
}

void JanelaTeste::SetaParaCima(QWidget* spin, int vezes)
{
    Focar(spin);
    for (int i = 0; i < vezes; ++i)
        QTest::keyClick(spin, Qt::Key_Up);
}

void JanelaTeste::SetaParaBaixo(QWidget* spin, int vezes)
{
    Focar(spin);
    for (int i = 0; i < vezes; ++i)
        QTest::keyClick(spin, Qt::Key_Down);
}

void JanelaTeste::Escolher(TComboBox* lista, int indice)
{
    // As an operator does: focus the list, then pick the entry with the keyboard.
    Focar(lista);
    const int atual = lista->currentIndex();
    if (atual < 0) {
        QTest::keyClick(lista, Qt::Key_Home);
        if (indice == 0)
            return;
    }
    const int de = std::max(atual, 0);
    for (int i = de; i < indice; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
    for (int i = de; i > indice; --i)
        QTest::keyClick(lista, Qt::Key_Up);
}

void JanelaTeste::Digitar(QWidget* controle, const QString& texto)
{
    Focar(controle);
    // Key events carrying the character itself, so any character can be typed.
    for (const QChar caractere : texto) {
        QKeyEvent aperto(QEvent::KeyPress, 0, Qt::NoModifier, QString(caractere));
        QApplication::sendEvent(controle, &aperto);
        QKeyEvent soltura(QEvent::KeyRelease, 0, Qt::NoModifier, QString(caractere));
        QApplication::sendEvent(controle, &soltura);
    }
}

void JanelaTeste::Focar(QWidget* controle)
{
    if (QApplication::focusWidget() == controle)
        return;
    controle->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

bool JanelaTeste::Salvo() const
{
    return !janela->BitSalvar->isEnabled();
}

char JanelaTeste::Celula(int linha, int coluna) const
{
    return janela->Cartao.Mascara[IndiceCelula(linha, coluna)];
}

QRgb JanelaTeste::Pixel(int x, int y) const
{
    return janela->ImagemCartao().pixel(x, y) & 0xFFFFFF;
}
