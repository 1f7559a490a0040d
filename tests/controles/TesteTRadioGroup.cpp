#include "JanelaDeTeste.h"
#include "TEdit.h"
#include "TRadioGroup.h"

#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Records each Click with the index in place and the item shown checked while it is raised.
struct Cliques : QObject {
    std::vector<int> indices;
    std::vector<int> marcados;

    explicit Cliques(TRadioGroup& grupo)
    {
        QObject::connect(&grupo, &TRadioGroup::Click, this, [this, &grupo] {
            indices.push_back(grupo.ItemIndex());
            int marcado = -1;
            for (int i = 0; grupo.Botao(i); ++i)
                if (grupo.Botao(i)->isChecked())
                    marcado = i;
            marcados.push_back(marcado);
        });
    }
};

class GrupoNaJanela : public ::testing::Test {
protected:
    JanelaDeTeste t;
    TRadioGroup* grupo = new TRadioGroup("Habilitado :", {"Si&m", "Nã&o"}, 2, &t.janela);
    TEdit* edit = new TEdit(&t.janela);

    void SetUp() override
    {
        grupo->setGeometry(10, 10, 160, 50);
        edit->setGeometry(10, 80, 150, 24);
        grupo->SetItemIndex(0);
        ASSERT_TRUE(t.Mostrar());
    }
};

}  // namespace

// Event model: a different index from code raises Click at once, with the index already in place.
TEST(TRadioGroupCodigo, IndiceDiferenteAvisaComONovoIndice)
{
    TRadioGroup grupo("Forma de leitura :", {"&Unidirecional", "&Bidirecional"}, 1);
    EXPECT_EQ(grupo.ItemIndex(), -1);
    Cliques cliques(grupo);

    grupo.SetItemIndex(1);
    EXPECT_EQ(cliques.indices, (std::vector<int>{1}));
    EXPECT_EQ(cliques.marcados, (std::vector<int>{1}));

    grupo.SetItemIndex(0);
    EXPECT_EQ(cliques.indices, (std::vector<int>{1, 0}));
    EXPECT_EQ(cliques.marcados, (std::vector<int>{1, 0}));
    EXPECT_FALSE(grupo.Botao(1)->isChecked());
}

TEST(TRadioGroupCodigo, MesmoIndiceNaoAvisa)
{
    TRadioGroup grupo("Habilitado :", {"Si&m", "Nã&o"}, 2);
    grupo.SetItemIndex(1);
    Cliques cliques(grupo);

    grupo.SetItemIndex(1);
    EXPECT_TRUE(cliques.indices.empty());
}

TEST(TRadioGroupCodigo, NenhumItemEIndiceForaDosItens)
{
    TRadioGroup grupo("Habilitado :", {"Si&m", "Nã&o"}, 2);
    grupo.SetItemIndex(0);
    Cliques cliques(grupo);

    grupo.SetItemIndex(-1);
    EXPECT_EQ(cliques.indices, (std::vector<int>{-1}));
    EXPECT_EQ(cliques.marcados, (std::vector<int>{-1}));

    grupo.SetItemIndex(7);  // no such item: stays "no item", raises nothing
    grupo.SetItemIndex(-1);
    EXPECT_EQ(cliques.indices.size(), 1u);

    grupo.SetItemIndex(1);
    EXPECT_EQ(cliques.marcados, (std::vector<int>{-1, 1}));
    EXPECT_EQ(grupo.Botao(2), nullptr);
}

// Event model: enabling and disabling raise nothing.
TEST(TRadioGroupCodigo, HabilitarEDesabilitarNaoAvisa)
{
    TRadioGroup grupo("Habilitado :", {"Si&m", "Nã&o"}, 2);
    grupo.SetItemIndex(0);
    Cliques cliques(grupo);
    grupo.setEnabled(false);
    grupo.setEnabled(true);
    EXPECT_TRUE(cliques.indices.empty());
}

TEST(TRadioGroupCodigo, ItensPreenchemColunaPorColuna)
{
    QWidget janela;
    TRadioGroup grupo("Itens", {"A", "B", "C"}, 2, &janela);
    grupo.setGeometry(0, 0, 200, 90);
    janela.show();

    const QPoint a = grupo.Botao(0)->pos(), b = grupo.Botao(1)->pos(), c = grupo.Botao(2)->pos();
    EXPECT_EQ(a.x(), b.x());  // A above B in the first column
    EXPECT_LT(a.y(), b.y());
    EXPECT_GT(c.x(), a.x());  // C heads the second column
    EXPECT_EQ(c.y(), a.y());
    EXPECT_EQ(grupo.title(), "Itens");
}

TEST_F(GrupoNaJanela, CliqueDoOperadorAvisaUmaVez)
{
    Cliques cliques(*grupo);

    QTest::mouseClick(grupo->Botao(1), Qt::LeftButton);
    EXPECT_EQ(cliques.indices, (std::vector<int>{1}));
    EXPECT_EQ(cliques.marcados, (std::vector<int>{1}));

    QTest::mouseClick(grupo->Botao(1), Qt::LeftButton);  // already selected
    EXPECT_EQ(cliques.indices.size(), 1u);
}

TEST_F(GrupoNaJanela, SetasDoTecladoEscolhemOutroItem)
{
    grupo->Botao(0)->setFocus();
    Cliques cliques(*grupo);

    QTest::keyClick(grupo->Botao(0), Qt::Key_Right);
    EXPECT_EQ(cliques.indices, (std::vector<int>{1}));
    EXPECT_TRUE(grupo->Botao(1)->hasFocus());

    QTest::keyClick(grupo->Botao(1), Qt::Key_Left);
    EXPECT_EQ(cliques.indices, (std::vector<int>{1, 0}));
}

// The accelerator works like a press: focus first (the edit box's exit runs),
// then the choice, at once.
TEST_F(GrupoNaJanela, AtalhoTiraOFocoDaCaixaEEscolheNaHora)
{
    edit->setFocus();
    QObject::connect(edit, &TEdit::Exit, [this] { t.Anotar("exit"); });
    QObject::connect(grupo, &TRadioGroup::Click, [this] {
        t.Anotar("click " + std::to_string(grupo->ItemIndex()));
    });

    QTest::keyClick(edit, Qt::Key_O, Qt::AltModifier);

    EXPECT_EQ(t.eventos, (std::vector<std::string>{"exit", "click 1"}));
    EXPECT_TRUE(grupo->Botao(1)->hasFocus());
}

TEST_F(GrupoNaJanela, AtalhoDoItemJaEscolhidoSoMoveOFoco)
{
    edit->setFocus();
    Cliques cliques(*grupo);

    QTest::keyClick(edit, Qt::Key_M, Qt::AltModifier);

    EXPECT_TRUE(cliques.indices.empty());
    EXPECT_TRUE(grupo->Botao(0)->hasFocus());
}
