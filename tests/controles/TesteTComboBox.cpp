#include "JanelaDeTeste.h"
#include "RodaDoMouse.h"
#include "TEdit.h"
#include "TComboBox.h"

#include <QAbstractItemView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Records each Change with the index in place while it is raised.
struct Escolhas : QObject {
    std::vector<int> indices;

    explicit Escolhas(TComboBox& lista)
    {
        QObject::connect(&lista, &TComboBox::Change, this,
                         [this, &lista] { indices.push_back(lista.ItemIndex()); });
    }
};

class ListaNaJanela : public ::testing::Test {
protected:
    JanelaDeTeste t;
    TComboBox* lista = new TComboBox(&t.janela);

    void SetUp() override
    {
        lista->addItems({"COM 1", "COM 2", "COM 3"});
        lista->SetItemIndex(-1);
        lista->setGeometry(10, 10, 100, 22);
        ASSERT_TRUE(t.Mostrar());
    }
};

}  // namespace

// Event model: setting the index from code raises nothing.
TEST(TComboBoxCodigo, IndiceDoCodigoNaoAvisa)
{
    TComboBox lista;
    lista.addItems({"Não usar", "10 - simp", "11 - A"});
    Escolhas escolhas(lista);

    lista.SetItemIndex(2);
    EXPECT_EQ(lista.ItemIndex(), 2);
    lista.SetItemIndex(-1);
    EXPECT_EQ(lista.ItemIndex(), -1);
    lista.SetItemIndex(0);
    lista.setEnabled(false);  // enabling and disabling raise nothing
    lista.setEnabled(true);

    EXPECT_TRUE(escolhas.indices.empty());
}

// The open list's entries are 16 pixels high, not the style's taller menu rows.
TEST_F(ListaNaJanela, ItensDaListaAbertaTem16Pixels)
{
    lista->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(lista->view()->window()));
    for (int i = 0; i < lista->count(); ++i)
        EXPECT_EQ(lista->view()->visualRect(lista->model()->index(i, 0)).height(), 16) << "item " << i;
    lista->hidePopup();
}

// The open list is made when it first opens, not with the control, and has the control's font
// even when that font was given before the control was shown.
TEST_F(ListaNaJanela, ListaAbertaFeitaAoAbrirComAFonteDoControle)
{
    auto* outra = new TComboBox(&t.janela);
    outra->addItems({"A", "B", "C"});
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(13);
    fonte.setBold(true);
    outra->setFont(fonte);
    outra->setGeometry(10, 40, 100, 22);
    outra->show();
    QTest::keyClick(outra, Qt::Key_Down);
    EXPECT_TRUE(outra->findChildren<QAbstractItemView*>().isEmpty());

    outra->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(outra->view()->window()));
    EXPECT_EQ(outra->view()->font().pixelSize(), 13);
    EXPECT_TRUE(outra->view()->font().bold());
    EXPECT_EQ(outra->view()->visualRect(outra->model()->index(0, 0)).height(), TComboBox::AlturaItens);
    outra->hidePopup();
}

// Event model: the operator's choice raises Change with the new index in place.
TEST_F(ListaNaJanela, EscolhaPeloTecladoAvisa)
{
    lista->setFocus();
    Escolhas escolhas(*lista);

    QTest::keyClick(lista, Qt::Key_Down);
    QTest::keyClick(lista, Qt::Key_Down);
    EXPECT_EQ(escolhas.indices, (std::vector<int>{0, 1}));
}

TEST_F(ListaNaJanela, EscolhaNaListaAbertaAvisa)
{
    lista->SetItemIndex(0);
    Escolhas escolhas(*lista);

    lista->showPopup();
    QAbstractItemView* itens = lista->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(itens->window()));
    itens->setCurrentIndex(lista->model()->index(2, 0));
    QTest::keyClick(itens, Qt::Key_Return);

    EXPECT_EQ(escolhas.indices, (std::vector<int>{2}));
    EXPECT_FALSE(itens->window()->isVisible());
}

// A wheel over the list changes it only when the list has the focus, and never takes the focus.
TEST_F(ListaNaJanela, RodaSoEscolheComFoco)
{
    auto* edit = new TEdit(&t.janela);
    edit->setGeometry(10, 50, 100, 24);
    edit->show();
    edit->setFocus();
    lista->SetItemIndex(0);
    Escolhas escolhas(*lista);

    GirarRoda(*lista, -120);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(escolhas.indices.empty());

    lista->setFocus();
    GirarRoda(*lista, -120);
    EXPECT_EQ(escolhas.indices, (std::vector<int>{1}));
}
