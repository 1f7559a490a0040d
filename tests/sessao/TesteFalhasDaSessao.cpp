// The editing session under faults, one row each: what the operator or the system does, and what
// must hold. Session rows drive the session alone; window rows drive the window and read what its
// session leaves on disk.

#include "Falhas.h"

#include "GravacaoAtomica.h"
#include "LeituraCfg.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TRadioGroup.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolTip>

#include <cerrno>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

TEST_P(Falhas, Holds)
{
    GetParam().Roteiro(*this);
}

const Falha Tabela[] = {
    {"a_ANameBeingTypedIsInTheRecoveryCard",
     [](Falhas& t) {
         t.AbrirJanela();
         t.Digitar(t.janela->EdtNome, "Rui");
         t.janela->GuardarRecuperacaoAgora();
         EXPECT_EQ(t.Vaga().Cartao.Grupos[1].Nome, "Rui");
         EXPECT_EQ(t.janela->Cartao.Grupos[1].Nome, "") << "stored only on leaving the box";
     }},
    {"b_ACardLeftInAnySlotByADeadCopyIsOfferedNewestFirst",
     [](Falhas& t) {
         SessaoEdicao viva(t.Pasta(), {}, DiscoRecuperacao::Real(), 0ms);
         auto morta = std::make_unique<SessaoEdicao>(t.Pasta(), nullptr, DiscoRecuperacao::Real(), 0ms);
         auto antiga = std::make_unique<SessaoEdicao>(t.Pasta(), nullptr, DiscoRecuperacao::Real(), 0ms);
         for (auto* sessao : {&viva, morta.get(), antiga.get()})
             sessao->TomarVaga();
         viva.AcompanharCartao(Falhas::Cartao(2), true);
         antiga->AcompanharCartao(Falhas::Cartao(3), true);
         antiga->GuardarRecuperacaoAgora();
         morta->AcompanharCartao(Falhas::Cartao(4), true);
         for (auto* sessao : {&viva, morta.get()})
             sessao->GuardarRecuperacaoAgora();
         std::filesystem::last_write_time("Recuperacao-3.cfg", std::filesystem::file_time_type::clock::now() - 24h);
         morta.reset();  // both end without closing, as a crash leaves them
         antiga.reset();

         SessaoEdicao nova(t.Pasta(), {});
         const auto deixadas = nova.RecuperacoesDeixadas(Falhas::Cartao(1));
         ASSERT_EQ(deixadas.size(), 2u) << "the running copy's slot is not offered";
         EXPECT_EQ(deixadas[0].Cartao.NumLinhas, 4);
         EXPECT_EQ(deixadas[1].Cartao.NumLinhas, 3);
         EXPECT_EQ(t.Vaga().Cartao.NumLinhas, 2) << "the running copy's slot is untouched";
     }},
    {"c_OneSlotIsOneFileAndAnEarlierPairIsOfferedOnce",
     [](Falhas& t) {
         t.Escrever("Recuperacao-3.cfg", ConteudoArquivoCfg(Falhas::Cartao(5)));
         t.Escrever("Recuperacao-3.inf", "/cartoes/antigo.cfg");
         SessaoEdicao sessao(t.Pasta(), {}, DiscoRecuperacao::Real(), 0ms);
         auto deixadas = sessao.RecuperacoesDeixadas(Falhas::Cartao(1));
         ASSERT_EQ(deixadas.size(), 1u);
         EXPECT_EQ(deixadas[0].Caminho, "/cartoes/antigo.cfg");
         sessao.Descartar(deixadas[0]);
         EXPECT_FALSE(t.Existe("Recuperacao-3.cfg") || t.Existe("Recuperacao-3.inf"));

         sessao.TomarVaga();
         sessao.Salvo("/cartoes/c\r\n.cfg", Falhas::Cartao(1));
         sessao.AcompanharCartao(Falhas::Cartao(6), true);
         sessao.GuardarRecuperacaoAgora();
         EXPECT_EQ(t.Bytes("Recuperacao.cfg"), ConteudoRecuperacao(Falhas::Cartao(6), "/cartoes/c\r\n.cfg"));
         EXPECT_EQ(t.Vaga().Caminho, "/cartoes/c\r\n.cfg");
         EXPECT_FALSE(t.Existe("Recuperacao.inf"));
     }},
    {"f_ClosingWaitsAboutASecondAtMostOnADiskThatHangs",
     [](Falhas& t) {
         auto solta = std::make_shared<std::promise<void>>();
         auto sessao = t.SessaoNoDiscoParado(solta);
         const auto inicio = std::chrono::steady_clock::now();
         sessao->Encerrar();
         sessao.reset();
         EXPECT_LT(std::chrono::steady_clock::now() - inicio, 1500ms);
         solta->set_value();
     }},
    {"g_ARecoveredCardIsMeasuredAgainstItsOwnFile",
     [](Falhas& t) {
         TCartao doArquivo = Falhas::Cartao(1);
         doArquivo.NumGrupos = 2;
         doArquivo.NumLinhas = 6;
         doArquivo.Grupos[1] = {"A", 1, 3, 0, 1};
         doArquivo.Grupos[2] = {"B", 4, 6, 0, 1};
         t.Escrever("Config/a.cfg", ConteudoArquivoCfg(Falhas::Cartao(9)));
         t.Escrever("Cfg.inf", t.CaminhoBytes("Config/a.cfg"));
         t.Escrever("Config/b.cfg", ConteudoArquivoCfg(doArquivo));
         TCartao recuperado = doArquivo;
         recuperado.FormaLeitura = 'U';
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(recuperado, t.CaminhoBytes("Config/b.cfg")));
         t.AbrirJanela({true});
         ASSERT_FALSE(t.Salvo());
         t.Clicar(t.janela->RdgLeitura->Botao(1));  // back to what b.cfg holds
         t.janela->Desfazer();
         EXPECT_FALSE(t.Salvo());
         t.janela->Refazer();
         EXPECT_TRUE(t.Salvo()) << "the card is exactly b.cfg again";
     }},
    {"h_TheNameStoredByTheCloseQuestionIsAnEdit",
     [](Falhas& t) {
         t.AbrirJanela();
         t.Digitar(t.janela->EdtNome, "Rui");
         t.dialogos->Respostas = {true};
         t.dialogos->ArquivosParaSalvar = {DialogosRoteirizados::Cancelar};
         EXPECT_FALSE(t.janela->close()) << "a Yes whose save was cancelled keeps the window";
         EXPECT_EQ(t.janela->HistoricoDeEdicao().PassosParaDesfazer(), 1u);
         t.janela->GuardarRecuperacaoAgora();
         EXPECT_EQ(t.Vaga().Cartao.Grupos[1].Nome, "Rui");
     }},
    {"i_OnlyAFileCommandChangesWhatCountsAsSaved",
     [](Falhas& t) {
         t.AbrirJanela();
         t.SetaParaCima(t.janela->SpeMaxGrupo);
         t.Escolher(t.janela->CobDivisao, 4);
         t.Clicar(t.janela->BitMascara);
         t.Pressionar(1, 1);  // a label cell, read again
         ASSERT_EQ(t.janela->Cartao.Mascara[IndiceCelula(1, 1)], Lido);
         t.dialogos->ArquivosParaSalvar = {t.Caminho("Config/i.cfg")};
         t.Clicar(t.janela->BitSalvar);
         t.SetaParaCima(t.janela->SpeNumGrupo);  // the redraw marks the label again
         EXPECT_FALSE(t.Salvo()) << "a group change that changed the bytes marks the card";
         t.janela->Desfazer();
         EXPECT_TRUE(t.Salvo()) << "back to exactly the saved bytes";
         t.janela->Refazer();
         EXPECT_FALSE(t.Salvo());
     }},
    {"j_TypingBackToTheStoredNameLeavesTheCardSaved",
     [](Falhas& t) {
         t.AbrirJanela();
         t.Digitar(t.janela->EdtNome, "a");
         QTest::keyClick(t.janela->EdtNome, Qt::Key_Backspace);
         t.Focar(t.janela->CobDivisao);
         EXPECT_TRUE(t.Salvo());
         t.janela->GuardarRecuperacaoAgora();
         EXPECT_FALSE(t.Existe("Recuperacao.cfg"));
         EXPECT_TRUE(t.janela->close()) << "no question: none is prepared";

         t.AbrirJanela();
         t.SetaParaCima(t.janela->SpeLinhaFinal);
         t.Digitar(t.janela->EdtNome, "a");
         QTest::keyClick(t.janela->EdtNome, Qt::Key_Backspace);
         t.Focar(t.janela->CobDivisao);
         EXPECT_FALSE(t.Salvo()) << "a card unsaved before the typing stays unsaved";
     }},
    {"AStaleCardIsRemovedWhenItsFileHoldsItAndSaysWhenTheFileIsNewer",
     [](Falhas& t) {
         // The close could not wait for the disk: the slot still holds what was saved afterwards.
         const std::string antes = ConteudoArquivoCfg(Falhas::Cartao(1));
         t.Escrever("Config/a.cfg", ConteudoArquivoCfg(Falhas::Cartao(5)));
         t.Escrever("Cfg.inf", t.CaminhoBytes("Config/a.cfg"));
         t.Deixar("Recuperacao.cfg", Falhas::Cartao(5), "Config/a.cfg", antes);
         t.AbrirJanela();
         EXPECT_FALSE(t.Existe("Recuperacao.cfg") || t.Existe("Recuperacao-recusada.cfg"));
         EXPECT_EQ(t.janela->Cartao.NumLinhas, 5);

         // Saved after the card was taken, with other changes: the question says so.
         t.Deixar("Recuperacao.cfg", Falhas::Cartao(6), "Config/a.cfg", antes);
         t.AbrirJanela({false});
         EXPECT_EQ(t.Perguntas("a.cfg.*é mais novo que as alterações recuperadas"), 1);
         t.Deixar("Recuperacao.cfg", Falhas::Cartao(6), "Config/a.cfg", t.Bytes("Config/a.cfg"));
         t.AbrirJanela({false});
         EXPECT_EQ(t.Perguntas("mais novo"), 0) << "not saved since: no such word";
     }},
    {"TheSlotsLockLastsAsLongAsItsWriter",
     [](Falhas& t) {
         auto solta = std::make_shared<std::promise<void>>();
         auto sessao = t.SessaoNoDiscoParado(solta);
         sessao.reset();  // gone, its writer still on the disk
         const auto livre = [&] { return VagaRecuperacao::Tomar(t.Pasta(), 1, DiscoRecuperacao::Real()) != nullptr; };
         EXPECT_FALSE(livre()) << "another session could take the slot its writer may still write";
         solta->set_value();
         EXPECT_TRUE(QTest::qWaitFor(livre, 20000)) << "the lock goes with the writer";
     }},
    {"ACardThatCannotBeReadIsNeverDeleted",
     [](Falhas& t) {
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(3), ""));
         DiscoRecuperacao falhando = DiscoRecuperacao::Real();
         falhando.Ler = [](const std::string& arquivo) -> std::string {
             throw std::runtime_error("Erro de leitura em \"" + arquivo + "\": erro de entrada e saída");
         };
         EXPECT_TRUE(SessaoEdicao(t.Pasta(), {}, falhando).RecuperacoesDeixadas(Falhas::Cartao(1)).empty());
         EXPECT_TRUE(t.Existe("Recuperacao.cfg")) << "left for a later start";

         t.Escrever("Recuperacao-2.cfg", "nenhum cartão\r\n");
         EXPECT_EQ(SessaoEdicao(t.Pasta(), {}).RecuperacoesDeixadas(Falhas::Cartao(1)).size(), 1u);
         const QStringList deLado = QDir().entryList({"Recuperacao-2.ilegivel-*.cfg"});
         ASSERT_EQ(deLado.size(), 1) << "moved aside under a name that says so";
         EXPECT_EQ(t.Bytes(deLado[0]), "nenhum cartão\r\n");
         EXPECT_FALSE(t.Existe("Recuperacao-2.cfg"));
     }},
    {"ALockThatFailsIsNoRunningCopy",
     [](Falhas& t) {
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(7), ""));
         DiscoRecuperacao semTravas = DiscoRecuperacao::Real();
         semTravas.Travar = [](int) { return ENOLCK; };
         int avisos = 0;
         SessaoEdicao sessao(t.Pasta(), [&] { ++avisos; }, semTravas, 0ms);
         const auto deixadas = sessao.RecuperacoesDeixadas(Falhas::Cartao(1));
         ASSERT_EQ(deixadas.size(), 1u) << "a dead copy's card is still offered";
         EXPECT_EQ(deixadas[0].Cartao.NumLinhas, 7);
         sessao.TomarVaga();
         for (int linhas : {2, 3})
             sessao.AcompanharCartao(Falhas::Cartao(linhas), true);
         EXPECT_EQ(avisos, 1) << "the operator is told the changes are not protected";
     }},
    {"ADeclinedCardStaysReadableAsTheLastDeclinedOne",
     [](Falhas& t) {
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(7), ""));
         const auto quando = std::chrono::sys_seconds(std::chrono::seconds(QDateTime(QDate(2026, 3, 5), QTime(14, 7)).toSecsSinceEpoch()));
         std::filesystem::last_write_time("Recuperacao.cfg", std::chrono::file_clock::from_sys(quando));
         t.AbrirJanela({false});
         EXPECT_EQ(t.Perguntas("feitas em 05/03/2026 às 14:07"), 1) << "the question says when";
         TCartao recusado = Falhas::Cartao(1);
         LerArquivoCfg("Recuperacao-recusada.cfg", recusado);
         EXPECT_EQ(recusado, Falhas::Cartao(7)) << "Open reads it";
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(8), ""));
         t.AbrirJanela({false});
         LerArquivoCfg("Recuperacao-recusada.cfg", recusado);
         EXPECT_EQ(recusado.NumLinhas, 8) << "the one last declined card";

         // Yes to a card that is its file as shown (labels marked): nothing is unsaved.
         TCartao arquivo = Falhas::Cartao(3);
         arquivo.Grupos[1].Tipo = 4;
         t.Escrever("Config/r.cfg", ConteudoArquivoCfg(arquivo));
         t.Escrever("Cfg.inf", t.CaminhoBytes("Config/r.cfg"));
         for (int linha = 1; linha <= 3; ++linha)
             for (int coluna : {1, 5, 9})
                 arquivo.Mascara[IndiceCelula(linha, coluna)] = Mascarado;
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(arquivo, t.CaminhoBytes("Config/r.cfg")));
         t.AbrirJanela({true});
         EXPECT_EQ(t.janela->Cartao, arquivo);
         EXPECT_TRUE(t.Salvo());
     }},
    {"TheWritersFailureIsHeardOutsideItsLock",
     [](Falhas& t) {
         DiscoRecuperacao cheio = DiscoRecuperacao::Real();
         cheio.Gravar = [](const std::string&, const std::string&, unsigned) { throw std::runtime_error("cheio"); };
         auto solta = std::make_shared<std::promise<void>>();
         auto ouvindo = std::make_shared<std::atomic<bool>>(false);
         auto sessao = std::make_shared<SessaoEdicao>(
             t.Pasta(),
             [solta, ouvindo] {
                 *ouvindo = true;
                 solta->get_future().wait();  // a listener that blocks, as a full pipe would
             },
             cheio, 0ms);
         sessao->TomarVaga();
         sessao->AcompanharCartao(Falhas::Cartao(2), true);
         ASSERT_TRUE(QTest::qWaitFor([&] { return ouvindo->load(); }, 20000));
         auto editando = std::async(std::launch::async, [sessao] { sessao->AcompanharCartao(Falhas::Cartao(3), true); });
         EXPECT_EQ(editando.wait_for(20s), std::future_status::ready) << "the editor waited for the listener";
         solta->set_value();
         editando.wait();
     }},
    {"AFailedOfferStillProtects",
     [](Falhas& t) {
         t.Escrever("Recuperacao.cfg", ConteudoRecuperacao(Falhas::Cartao(7), ""));
         // The declined card cannot be kept: the offer fails half-way.
         QDir().mkpath("Recuperacao-recusada.cfg/ocupada");
         t.AbrirJanela({false});
         EXPECT_EQ(t.dialogos->Erros.size(), 1);
         EXPECT_TRUE(t.Existe("Recuperacao.cfg")) << "a card that could not be kept is not lost";
         t.SetaParaCima(t.janela->SpeLinhaFinal, 2);
         t.janela->GuardarRecuperacaoAgora();
         EXPECT_EQ(t.Vaga("Recuperacao-2.cfg").Cartao.NumLinhas, 3);
     }},
    {"ARefusedDropSaysWhyAndEveryDropIsACopy",
     [](Falhas& t) {
         t.Escrever("bom.cfg", ConteudoArquivoCfg(Falhas::Cartao(5)));
         const QUrl bom = QUrl::fromLocalFile(t.Caminho("bom.cfg"));
         const struct {
             QList<QUrl> enderecos;
             QString aviso;
         } recusas[] = {
             {{bom, QUrl::fromLocalFile(t.Caminho("Ortelo"))}, Textos::SolturaDeVariosArquivos},
             {{QUrl::fromLocalFile(t.Caminho("Config"))}, Textos::SolturaDePasta.arg(t.Caminho("Config"))},
             {{QUrl("https://exemplo.org/bom.cfg")},
              Textos::SolturaDeOutroComputador.arg("https://exemplo.org/bom.cfg")},
         };
         t.AbrirJanela();
         for (const auto& recusa : recusas) {
             for (QWidget* alvo : {static_cast<QWidget*>(t.janela.get()), static_cast<QWidget*>(t.janela->EdtNome)}) {
                 SCOPED_TRACE(recusa.aviso.toStdString());
                 t.dialogos->Registro.clear();
                 const auto [tomado, acao] = t.Soltar(alvo, recusa.enderecos, "texto do arrasto");
                 EXPECT_TRUE(tomado) << "the drag is taken, so that its drop can say why";
                 EXPECT_EQ(acao, Qt::IgnoreAction) << "nothing was taken from the source";
                 EXPECT_EQ(t.dialogos->Registro, QStringList{"aviso: " + recusa.aviso});
                 EXPECT_EQ(t.janela->EdtNome->text(), "") << "the name box takes no addresses as text";
                 EXPECT_EQ(t.janela->Cartao.NumLinhas, 1);
             }
         }
         // A drop the source proposed as a move (Shift) is still a copy: the source keeps its file.
         const QMimeData nada;
         ASSERT_EQ(QDropEvent({}, Qt::CopyAction | Qt::MoveAction, &nada, Qt::LeftButton, Qt::ShiftModifier).proposedAction(),
                   Qt::MoveAction);
         const auto [tomado, acao] = t.Soltar(t.janela->EdtNome, {bom}, {}, Qt::ShiftModifier);
         EXPECT_TRUE(tomado);
         EXPECT_EQ(acao, Qt::CopyAction);
         EXPECT_EQ(t.janela->Cartao.NumLinhas, 5);
     }},
    {"ARefusedCharacterIsNamedInAHintAtTheNameBox",
     [](Falhas& t) {
         t.AbrirJanela();
         t.Digitar(t.janela->EdtNome, QString::fromUtf8("ab€ ☺ Ω z"));
         EXPECT_EQ(t.janela->EdtNome->text(), QString::fromUtf8("ab€   z")) << "still refused";
         EXPECT_TRUE(QToolTip::isVisible());
         EXPECT_EQ(QToolTip::text(), Textos::CaractereRecusado.arg(QString::fromUtf8("“Ω”")));
         QToolTip::hideText();
         t.Digitar(t.janela->EdtNome, QString::fromUtf8("☺"));
         EXPECT_EQ(QToolTip::text(), Textos::CaractereRecusado.arg(QString::fromUtf8("“☺”")));

         QToolTip::hideText();
         QGuiApplication::clipboard()->setText(QString::fromUtf8("x\t☺y☺"));
         QTest::keyClick(t.janela->EdtNome, Qt::Key_V, Qt::ControlModifier);
         EXPECT_EQ(t.janela->EdtNome->text(), QString::fromUtf8("ab€   z")) << "the paste is refused whole";
         EXPECT_EQ(QToolTip::text(), Textos::CaracteresRecusados.arg(QString::fromUtf8("U+0009, “☺”")));
         // Right under the box, where the operator is looking.
         QWidget* dica = nullptr;
         for (QWidget* janela : QApplication::topLevelWidgets())
             if (janela->objectName() == "qtooltip_label" && janela->isVisible())
                 dica = janela;
         ASSERT_NE(dica, nullptr);
         const QRect caixa(t.janela->EdtNome->mapToGlobal(QPoint()), t.janela->EdtNome->size());
         EXPECT_LE(std::abs(dica->y() - caixa.bottom()), 8);
         EXPECT_LE(std::abs(dica->x() - caixa.left()), 8);
     }},
    {"TheWindowCannotBeMadeSmallerThanItsControls",
     [](Falhas& t) {
         t.AbrirJanela();
         t.janela->resize(500, 400);
         QCoreApplication::processEvents();
         for (QWidget* controle : t.janela->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
             if (controle->isWindow() || controle->isHidden())
                 continue;
             EXPECT_TRUE(t.janela->rect().contains(controle->geometry())) << controle->metaObject()->className();
         }
         EXPECT_TRUE(t.janela->rect().contains(t.janela->ScrollBox1->geometry())) << "the card picture's frame";
     }},
};

INSTANTIATE_TEST_SUITE_P(Sessao, Falhas, ::testing::ValuesIn(Tabela),
                         [](const auto& info) { return std::string(info.param.Nome); });

}  // namespace
