#include "TFrmConfig.h"

#include "Acessiveis.h"
#include "ArquivoSoltado.h"
#include "DialogosQt.h"
#include "MensagemErro.h"
#include "Plataforma.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Textos.h"
#include "Windows1252.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <exception>

TFrmConfig::TFrmConfig(std::unique_ptr<Dialogos> dialogos, const QString& arquivoInicial,
                       const QString& arquivoDoPrograma)
    : dialogos_(dialogos ? std::move(dialogos) : std::make_unique<DialogosQt>(this)),
      arquivoInicial_(arquivoInicial.isEmpty() ? QString() : QFileInfo(arquivoInicial).absoluteFilePath()),
      arquivoDoPrograma_(arquivoDoPrograma)
{
    PrepararFontes();
    InstalarAcessiveis();
    CriarControles();
    LigarEventos();
    CriarAtalhos();
    Proteger([this] { Comandar([this] { FormCreate(); }); });
    // Once the window is on screen: the question then comes over it, and taking the recovery
    // slot, which waits for the disk, does not hold the window back.
    QTimer::singleShot(0, this, [this] {
        if (fechamentoConfirmado_)
            return;
        Proteger([this] { Comandar([this] { OferecerRecuperacao(); }); });
        AbrirArquivoInicial();
    });
    BitNovo->setFocus();
}

TFrmConfig::~TFrmConfig() = default;

void TFrmConfig::Proteger(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const std::exception& erro) {
        dialogos_->RelatarErro(MensagemDoErro(erro));
    } catch (...) {
        dialogos_->RelatarErro(QStringLiteral("Erro inesperado."));
    }
}

void TFrmConfig::Editar(const std::function<void()>& acao)
{
    if (profundidadeAcao_ > 0) {
        acao();
        return;
    }
    EstadoEdicao antes = EstadoAtual();
    ++profundidadeAcao_;
    // Also after an error: what the action changed before it stays, so it is one step too.
    const auto concluir = qScopeGuard([&] {
        --profundidadeAcao_;
        if (Cartao != antes.Cartao)
            sessao_->HistoricoDeEdicao().Registrar(std::move(antes));
        MedirNaoSalvo();
        AposEvento();
    });
    acao();
}

void TFrmConfig::Comandar(const std::function<void()>& acao)
{
    ++profundidadeAcao_;
    const auto concluir = qScopeGuard([&] {
        if (--profundidadeAcao_ == 0)
            AposEvento();
    });
    acao();
}

void TFrmConfig::AposEvento()
{
    if (sessao_)
        sessao_->AcompanharCartao(CartaoComNomeDigitado(), BitSalvar->isEnabled());
}

TCartao TFrmConfig::CartaoComNomeDigitado() const
{
    TCartao cartao = Cartao;
    if (!nomeSendoDigitado_)
        return cartao;  // no name is being typed: the box shows the stored one
    if (const auto nome = ParaWindows1252(EdtNome->text()))
        cartao.Grupos[GrupoAtual()].Nome = *nome;
    return cartao;
}

void TFrmConfig::LigarEventos()
{
    // Every handler runs through Proteger, the one place where errors are caught and reported.
    const auto editar = [this](auto* emissor, auto sinal, void (TFrmConfig::*manipulador)()) {
        connect(emissor, sinal, this,
                [this, manipulador] { Proteger([&] { Editar([&] { (this->*manipulador)(); }); }); });
    };
    const auto comandar = [this](auto* emissor, auto sinal, void (TFrmConfig::*manipulador)()) {
        connect(emissor, sinal, this,
                [this, manipulador] { Proteger([&] { Comandar([&] { (this->*manipulador)(); }); }); });
    };
    editar(RdgLeitura, &TRadioGroup::Click, &TFrmConfig::RdgLeituraClick);
    editar(CBSerial, &TComboBox::Change, &TFrmConfig::CBSerialChange);
    editar(SpeMaxGrupo, &TSpinEdit::Change, &TFrmConfig::SpeMaxGrupoChange);
    editar(SpeNumGrupo, &TSpinEdit::Change, &TFrmConfig::SpeNumGrupoChange);
    editar(SpeLinhaFinal, &TSpinEdit::Change, &TFrmConfig::SpeLinhaFinalChange);
    editar(EdtNome, &QLineEdit::textEdited, &TFrmConfig::EdtNomeChange);
    editar(EdtNome, &TEdit::Exit, &TFrmConfig::EdtNomeExit);
    editar(CobDivisao, &TComboBox::Change, &TFrmConfig::CobDivisaoChange);
    editar(Cobdigito, &TComboBox::Change, &TFrmConfig::CobdigitoChange);
    editar(RdgHabilitado, &TRadioGroup::Click, &TFrmConfig::RdgHabilitadoClick);
    editar(BitMascara, &QPushButton::clicked, &TFrmConfig::BitMascaraClick);
    comandar(BitNovo, &QPushButton::clicked, &TFrmConfig::BitNovoClick);
    comandar(BitAbrir, &QPushButton::clicked, &TFrmConfig::BitAbrirClick);
    comandar(BitSalvar, &QPushButton::clicked, &TFrmConfig::BitSalvarClick);
    comandar(BitAjuda, &QPushButton::clicked, &TFrmConfig::BitAjudaClick);
    comandar(BitFechar, &QPushButton::clicked, &TFrmConfig::BitFecharClick);
    connect(ImgCartao, &TImagemCartao::MouseDown, this,
            [this](Qt::MouseButton botao, Qt::KeyboardModifiers teclas, int x, int y) {
                Proteger([&] { Editar([&] { ImgCartaoMouseDown(botao, teclas, x, y); }); });
            });
    // A Page key's ten steps are one action: one undo step takes them back.
    for (TSpinEdit* spin : {SpeMaxGrupo, SpeNumGrupo, SpeLinhaFinal})
        spin->SetAgrupador([this](const std::function<void()>& passos) { Proteger([&] { Editar(passos); }); });
    new SoltarArquivo(
        this,
        [this](const QString& caminho) {
            Proteger([&] {
                ArmazenarNomeDigitado();
                Comandar([&] { AbrirArquivoRecebido(caminho); });
            });
        },
        [this](const QString& motivo) { Proteger([&] { dialogos_->Avisar(motivo); }); });
}

void TFrmConfig::closeEvent(QCloseEvent* evento)
{
    if (fechamentoConfirmado_) {
        sessao_->Encerrar();
        evento->accept();
        return;
    }
    // The title bar, system menu and keyboard close the window too: ask as the Close button does.
    bool podeFechar = false;
    Proteger([&] {
        ArmazenarNomeDigitado();
        Comandar([&] { podeFechar = PerguntarAntesDeDescartar(Textos::PerguntaAntesDeSair); });
    });
    if (podeFechar)
        sessao_->Encerrar();
    evento->setAccepted(podeFechar);
}

int TFrmConfig::GrupoAtual() const
{
    // The selector never leaves 1..NumGrupos through the rules; the clamp only keeps the table safe.
    return std::clamp(SpeNumGrupo->Value(), 1, MaxGrupos);
}

void TFrmConfig::MedirNaoSalvo()
{
    BitSalvar->setEnabled(!sessao_->IgualAoSalvo(CartaoComNomeDigitado()));
}
