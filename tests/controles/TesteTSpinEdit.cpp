#include "JanelaDeTeste.h"
#include "RodaDoMouse.h"
#include "TEdit.h"
#include "TSpinEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A spin edit that can tell where its arrows are drawn.
class SpinComSetas : public TSpinEdit {
public:
    using TSpinEdit::TSpinEdit;

    QPoint Seta(QStyle::SubControl seta) const
    {
        QStyleOptionSpinBox opcoes;
        initStyleOption(&opcoes);
        return style()->subControlRect(QStyle::CC_SpinBox, &opcoes, seta, this).center();
    }
};

// Records each Change with the value and text the control holds while it is raised.
struct Mudancas : QObject {
    std::vector<int> valores;
    std::vector<QString> textos;

    explicit Mudancas(TSpinEdit& spin)
    {
        QObject::connect(&spin, &TSpinEdit::Change, this, [this, &spin] {
            valores.push_back(spin.Value());
            textos.push_back(spin.Text());
        });
    }
};

void Configurar(TSpinEdit& spin, int minimo, int maximo, int valor)
{
    spin.SetMinValue(minimo);
    spin.SetMaxValue(maximo);
    spin.SetValue(valor);
}

class SpinNaJanela : public ::testing::Test {
protected:
    JanelaDeTeste t;
    SpinComSetas* spin = new SpinComSetas(&t.janela);
    TEdit* edit = new TEdit(&t.janela);

    void SetUp() override
    {
        spin->setGeometry(10, 10, 60, 26);
        edit->setGeometry(10, 50, 150, 24);
        ASSERT_TRUE(t.Mostrar());
    }

    void EnviarTecla(int tecla, bool repeticao = false)
    {
        QKeyEvent pressao(QEvent::KeyPress, tecla, Qt::NoModifier, QString(), repeticao);
        QApplication::sendEvent(spin, &pressao);
    }
};

}  // namespace

// Event model: writing a different text raises Change inside the setter, the same text nothing.
// A value written from code stays as written, even outside the bounds.
TEST(TSpinEditCodigo, TextoDiferenteAvisaDentroDoSetterEIgualNaoAvisa)
{
    TSpinEdit spin;
    spin.SetMaxValue(10);
    Mudancas mudancas(spin);

    spin.SetText("25");
    EXPECT_EQ(mudancas.valores, (std::vector<int>{25}));
    EXPECT_EQ(mudancas.textos, (std::vector<QString>{"25"}));

    spin.SetText("25");
    spin.SetValue(25);
    spin.SetText("abc");  // not a number: ignored
    spin.clear();
    spin.setEnabled(false);  // enabling and disabling raise nothing
    spin.setEnabled(true);
    EXPECT_EQ(mudancas.valores.size(), 1u);

    spin.SetValue(-3);
    EXPECT_EQ(mudancas.textos, (std::vector<QString>{"25", "-3"}));
    EXPECT_EQ(spin.Text(), "-3");
}

// Event model: bounds changed from code never clamp and never raise.
TEST(TSpinEditCodigo, MudarLimitesNaoCorrigeNemAvisa)
{
    TSpinEdit spin;
    Configurar(spin, 1, 10, 8);
    Mudancas mudancas(spin);

    spin.SetMaxValue(3);
    EXPECT_EQ(spin.Value(), 8);
    EXPECT_EQ(spin.Text(), "8");
    EXPECT_EQ(spin.MaxValue(), 3);

    spin.SetMinValue(20);
    spin.SetMaxValue(20);
    EXPECT_EQ(spin.Value(), 8);
    EXPECT_EQ(spin.MinValue(), 20);
    EXPECT_TRUE(mudancas.valores.empty());
}

// Event model: each arrow press is one step of 1, one Change, held within the bounds.
TEST_F(SpinNaJanela, SetasDoTecladoAvancamUmDeCadaVezDentroDosLimites)
{
    Configurar(*spin, 1, 3, 1);
    spin->setFocus();
    Mudancas mudancas(*spin);

    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);  // at the maximum: nothing
    EXPECT_EQ(mudancas.valores, (std::vector<int>{2, 3}));

    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);  // at the minimum: nothing
    EXPECT_EQ(mudancas.valores, (std::vector<int>{2, 3, 2, 1}));
}

TEST_F(SpinNaJanela, SetaComValorForaDosLimitesVaiAoLimite)
{
    Configurar(*spin, 1, 10, 8);
    spin->SetMaxValue(3);
    spin->setFocus();
    Mudancas mudancas(*spin);

    QTest::keyClick(spin, Qt::Key_Down);  // 7 would still be outside: held at 3
    EXPECT_EQ(mudancas.valores, (std::vector<int>{3}));

    spin->SetValue(-5);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 1);
}

TEST_F(SpinNaJanela, MinimoIgualAoMaximoPrendeOValor)
{
    Configurar(*spin, 4, 4, 4);
    spin->setFocus();
    Mudancas mudancas(*spin);

    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_TRUE(mudancas.valores.empty());

    spin->SetValue(9);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 4);
    spin->SetValue(0);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 4);
}

TEST_F(SpinNaJanela, TeclaRepetidaDaUmaMudancaPorRepeticao)
{
    Configurar(*spin, 1, 90, 10);
    spin->setFocus();
    Mudancas mudancas(*spin);

    EnviarTecla(Qt::Key_Up);
    EnviarTecla(Qt::Key_Up, true);
    EnviarTecla(Qt::Key_Up, true);
    EnviarTecla(Qt::Key_Up, true);
    EXPECT_EQ(mudancas.valores, (std::vector<int>{11, 12, 13, 14}));
}

// Long cards: Page Up and Page Down make ten single steps, each its own Change, stopping at a
// bound; a handler that puts the value back stops them too. One action for the window.
TEST_F(SpinNaJanela, PaginaAvancaDezPassosDentroDosLimites)
{
    struct Caso {
        int minimo, maximo, valor;
        Qt::Key tecla;
        std::vector<int> esperado;
    };
    const Caso casos[] = {
        {1, 90, 1, Qt::Key_PageUp, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {1, 90, 85, Qt::Key_PageUp, {86, 87, 88, 89, 90}},
        {1, 90, 15, Qt::Key_PageDown, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5}},
        {1, 90, 3, Qt::Key_PageDown, {2, 1}},
        {1, 10, 10, Qt::Key_PageUp, {}},
        {1, 10, 14, Qt::Key_PageDown, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
    };
    int agrupamentos = 0;
    spin->SetAgrupador([&](const std::function<void()>& passos) {
        ++agrupamentos;
        passos();
    });
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.valor);
        Configurar(*spin, caso.minimo, caso.maximo, caso.valor);
        spin->setFocus();
        Mudancas mudancas(*spin);
        QTest::keyClick(spin, caso.tecla);
        EXPECT_EQ(mudancas.valores, caso.esperado);
    }
    EXPECT_EQ(agrupamentos, 6);

    // A handler that springs the value back ends the page at once.
    Configurar(*spin, 1, 90, 5);
    Mudancas mudancas(*spin);
    QObject::connect(spin, &TSpinEdit::Change, spin, [this] { spin->SetValue(5); });
    QTest::keyClick(spin, Qt::Key_PageUp);
    EXPECT_EQ(mudancas.valores, (std::vector<int>{6, 5}));
}

TEST_F(SpinNaJanela, BotoesDeSetaAvancamUmPorClique)
{
    Configurar(*spin, 1, 90, 50);
    spin->setFocus();
    Mudancas mudancas(*spin);

    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->Seta(QStyle::SC_SpinBoxUp));
    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->Seta(QStyle::SC_SpinBoxUp));
    // Qt would step by 10 with Ctrl held.
    QTest::mouseClick(spin, Qt::LeftButton, Qt::ControlModifier,
                      spin->Seta(QStyle::SC_SpinBoxDown));
    EXPECT_EQ(mudancas.valores, (std::vector<int>{51, 52, 51}));

    spin->SetMaxValue(51);
    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->Seta(QStyle::SC_SpinBoxUp));
    EXPECT_EQ(mudancas.valores.size(), 3u);
}

TEST_F(SpinNaJanela, BotaoSeguradoDaUmaMudancaPorPasso)
{
    Configurar(*spin, 1, 90, 1);
    spin->setFocus();
    Mudancas mudancas(*spin);

    const QPoint seta = spin->Seta(QStyle::SC_SpinBoxUp);
    QTest::mousePress(spin, Qt::LeftButton, {}, seta);
    // Held until the repeat has stepped twice after the press's own step.
    const bool repetiu = QTest::qWaitFor([&] { return mudancas.valores.size() >= 3u; }, 20000);
    QTest::mouseRelease(spin, Qt::LeftButton, {}, seta);

    ASSERT_TRUE(repetiu);
    for (std::size_t i = 0; i < mudancas.valores.size(); ++i)
        EXPECT_EQ(mudancas.valores[i], static_cast<int>(i) + 2);
}

// Event model: no typed input of any kind.
TEST_F(SpinNaJanela, NaoAceitaDigitacaoApagarNemColar)
{
    Configurar(*spin, 1, 90, 7);
    spin->setFocus();
    QGuiApplication::clipboard()->setText("42");
    Mudancas mudancas(*spin);

    QTest::keyClicks(spin, "15");
    QTest::keyClick(spin, Qt::Key_End);
    QTest::keyClick(spin, Qt::Key_Backspace);
    QTest::keyClick(spin, Qt::Key_Home);
    QTest::keyClick(spin, Qt::Key_Delete);
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(spin, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_Up, Qt::ControlModifier);

    // The text field too, should a key or a drop reach it directly.
    auto* campo = spin->findChild<QLineEdit*>();
    ASSERT_NE(campo, nullptr);
    QTest::keyClicks(campo, "3");
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
    QMimeData arrastado;
    arrastado.setText("42");
    QDropEvent soltar(QPointF(5, 5), Qt::CopyAction, &arrastado, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(campo, &soltar);

    EXPECT_TRUE(mudancas.valores.empty());
    EXPECT_EQ(spin->Text(), "7");
    EXPECT_EQ(campo->text(), "7");
}

// The wheel neither steps nor pulls the focus away from the edit box.
TEST_F(SpinNaJanela, RodaDoMouseNaoMudaNemTomaOFoco)
{
    Configurar(*spin, 1, 90, 7);
    edit->setFocus();
    Mudancas mudancas(*spin);
    QObject::connect(edit, &TEdit::Exit, [this] { t.Anotar("exit"); });

    GirarRoda(*spin);
    EXPECT_TRUE(edit->hasFocus());
    spin->setFocus();
    GirarRoda(*spin);

    EXPECT_TRUE(mudancas.valores.empty());
    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit"}));  // only from setFocus
}

// Event model: leaving with the value outside the bounds takes the nearer bound, raising Change.
TEST_F(SpinNaJanela, SairComValorForaDosLimitesVaiAoLimiteMaisProximo)
{
    Configurar(*spin, 1, 10, 8);
    spin->SetMaxValue(3);
    spin->setFocus();
    Mudancas mudancas(*spin);

    QTest::keyClick(spin, Qt::Key_Tab);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(mudancas.valores, (std::vector<int>{3}));

    spin->SetMinValue(5);
    spin->SetMaxValue(9);
    spin->setFocus();
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(mudancas.valores, (std::vector<int>{3, 5}));

    spin->setFocus();
    edit->setFocus(Qt::TabFocusReason);  // within the bounds: nothing
    EXPECT_EQ(mudancas.valores.size(), 2u);
}

// Losing activation is no exit; neither is being disabled.
TEST_F(SpinNaJanela, JanelaInativaOuControleDesabilitadoNaoCorrige)
{
    Configurar(*spin, 1, 10, 8);
    spin->SetMaxValue(3);
    spin->setFocus();
    Mudancas mudancas(*spin);

    QWidget outra;
    outra.show();
    QApplication::setActiveWindow(&outra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&outra));
    EXPECT_TRUE(mudancas.valores.empty());

    QApplication::setActiveWindow(&t.janela);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.janela));
    ASSERT_TRUE(spin->hasFocus());
    spin->setEnabled(false);
    EXPECT_FALSE(spin->hasFocus());
    EXPECT_TRUE(mudancas.valores.empty());
    EXPECT_EQ(spin->Value(), 8);
}

// Event model: a press on an arrow moves the focus first,
// so the edit box's exit comes before the step.
TEST_F(SpinNaJanela, CliqueNaSetaTiraOFocoDaCaixaAntesDeAvancar)
{
    Configurar(*spin, 1, 10, 1);
    edit->setFocus();
    QObject::connect(edit, &TEdit::Exit, [this] { t.Anotar("exit"); });
    QObject::connect(spin, &TSpinEdit::Change, [this] {
        t.Anotar(spin->hasFocus() ? "change com foco" : "change sem foco");
    });

    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->Seta(QStyle::SC_SpinBoxUp));

    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit", "change com foco"}));
    EXPECT_EQ(spin->Value(), 2);
}
