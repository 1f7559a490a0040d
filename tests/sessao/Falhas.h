#pragma once

// The fixture of the editing session's fault table: each row is a plain function of it. The rows
// that only a POSIX system can stage are in a file of their own.

#include "JanelaTeste.h"

#include "ArquivoCfg.h"
#include "ArquivoRecuperacao.h"
#include "SessaoEdicao.h"
#include "TBitBtn.h"
#include "TImagemCartao.h"
#include "TSpinEdit.h"
#include "Textos.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <utility>

class Falhas;
struct Falha {
    const char* Nome;
    void (*Roteiro)(Falhas&);
};

class Falhas : public JanelaTeste, public ::testing::WithParamInterface<Falha> {
public:
    // The rows are plain functions: what the fixture offers is theirs.
    using JanelaTeste::AbrirJanela, JanelaTeste::Bytes, JanelaTeste::Caminho, JanelaTeste::Clicar,
        JanelaTeste::Digitar, JanelaTeste::Escolher, JanelaTeste::Escrever, JanelaTeste::Focar,
        JanelaTeste::Salvo, JanelaTeste::SetaParaCima, JanelaTeste::dialogos, JanelaTeste::janela;

    static TCartao Cartao(int linhas, char forma = 'B')
    {
        TCartao cartao;
        IniciarPadroes(cartao);
        MontarCartaoNovo(cartao);
        cartao.NumLinhas = linhas;
        cartao.Grupos[1].LinhaFinal = linhas;
        cartao.FormaLeitura = forma;
        return cartao;
    }
    std::string Pasta() const { return QDir::currentPath().toStdString() + "/"; }
    std::string CaminhoBytes(const char* nome) const { return Caminho(QString::fromUtf8(nome)).toStdString(); }
    CartaoRecuperado Vaga(const char* nome = "Recuperacao.cfg") const
    {
        return InterpretarRecuperacao(Bytes(QString::fromUtf8(nome)), Cartao(1));
    }
    bool Existe(const char* nome) const { return QFile::exists(QString::fromUtf8(nome)); }
    void Pressionar(int linha, int coluna)
    {
        QTest::mouseClick(janela->ImgCartao, Qt::LeftButton, {}, QPoint(25 + 15 * coluna + 5, 9 * linha + 5));
    }
    // Every slot's lock is a link to nowhere: no lock can be made, as in a folder nobody may write.
    void SemTravas() const
    {
        for (int vaga = 1; vaga <= VagaRecuperacao::Vagas; ++vaga) {
            const std::string nome = vaga == 1 ? "Recuperacao.lock" : "Recuperacao-" + std::to_string(vaga) + ".lock";
            std::filesystem::create_symlink("/nenhuma/pasta/trava", nome);
        }
    }
    int Avisos() const { return static_cast<int>(dialogos->Registro.filter(Textos::RecuperacaoIndisponivel).size()); }
    // A session whose writer hangs on the disk with an unsaved card until `solta` is set.
    std::unique_ptr<SessaoEdicao> SessaoNoDiscoParado(std::shared_ptr<std::promise<void>> solta) const
    {
        auto entrou = std::make_shared<std::atomic<bool>>(false);
        DiscoRecuperacao parado = DiscoRecuperacao::Real();
        parado.Gravar = [solta, entrou](const std::string&, const std::string&, unsigned) {
            *entrou = true;
            solta->get_future().wait();
        };
        auto sessao = std::make_unique<SessaoEdicao>(Pasta(), nullptr, parado, std::chrono::milliseconds(0));
        sessao->TomarVaga();
        sessao->AcompanharCartao(Cartao(2), true);
        EXPECT_TRUE(QTest::qWaitFor([&] { return entrou->load(); }, 20000));
        return sessao;
    }
    // A recovery card of `cartao` for the file `nome`, based on the bytes `base`.
    void Deixar(const char* vaga, const TCartao& cartao, const char* nome, const std::string& base) const
    {
        Escrever(vaga, ConteudoRecuperacao(cartao, CaminhoBytes(nome), ImpressaoDoConteudo(base)));
    }
    int Perguntas(const QString& trecho) const
    {
        return static_cast<int>(dialogos->Registro.filter(QRegularExpression("^pergunta: .*" + trecho)).size());
    }
    std::string Canonico(const char* nome) const { return std::filesystem::canonical(CaminhoBytes(nome)).string(); }
    // An edit, then Save to `nome`: the card to be saved is unsaved first.
    void SalvarEditado(const char* nome)
    {
        SetaParaCima(janela->SpeLinhaFinal);
        dialogos->ArquivosParaSalvar = {Caminho(QString::fromUtf8(nome))};
        Clicar(janela->BitSalvar);
    }
    // A drag of `enderecos` (and `texto`) over `alvo` and its drop, with copy and move allowed and
    // `teclas` choosing the proposed one: whether the drag was taken, and the drop's action.
    std::pair<bool, Qt::DropAction> Soltar(QWidget* alvo, const QList<QUrl>& enderecos, const QString& texto = {},
                                           Qt::KeyboardModifiers teclas = {})
    {
        QMimeData dados;
        dados.setUrls(enderecos);
        if (!texto.isEmpty())
            dados.setText(texto);
        const Qt::DropActions acoes = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent entrar(QPoint(5, 5), acoes, &dados, Qt::LeftButton, teclas);
        QCoreApplication::sendEvent(alvo, &entrar);
        QDropEvent soltar(QPointF(5, 5), acoes, &dados, Qt::LeftButton, teclas);
        QCoreApplication::sendEvent(alvo, &soltar);
        QCoreApplication::processEvents();  // what the drop brings comes once it has ended
        return {entrar.isAccepted(), soltar.isAccepted() ? soltar.dropAction() : Qt::IgnoreAction};
    }
};
