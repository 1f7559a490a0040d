#include "TFrmConfig.h"

#include "Acessiveis.h"
#include "DialogosQt.h"
#include "MensagemErro.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImagemCartao.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "Textos.h"

#include <QCloseEvent>
#include <QLineEdit>

#include <algorithm>
#include <exception>

TFrmConfig::TFrmConfig(std::unique_ptr<Dialogos> dialogos)
    : dialogos_(dialogos ? std::move(dialogos) : std::make_unique<DialogosQt>(this))
{
    InstalarAcessiveis();
    CriarControles();
    LigarEventos();
    CriarAtalhos();
    Proteger([this] { FormCreate(); });
    BitNovo->setFocus();
}

TFrmConfig::~TFrmConfig() = default;

template <class Acao>
void TFrmConfig::Proteger(Acao&& acao)
{
    try {
        acao();
    } catch (const std::exception& erro) {
        dialogos_->RelatarErro(MensagemDoErro(erro));
    } catch (...) {
        dialogos_->RelatarErro(QStringLiteral("Erro inesperado."));
    }
}

void TFrmConfig::LigarEventos()
{
    // Every handler runs through Proteger, the one place where errors are caught and reported.
    const auto ligar = [this](auto* emissor, auto sinal, void (TFrmConfig::*manipulador)()) {
        connect(emissor, sinal, this, [this, manipulador] { Proteger([&] { (this->*manipulador)(); }); });
    };
    ligar(RdgLeitura, &TRadioGroup::Click, &TFrmConfig::RdgLeituraClick);
    ligar(CBSerial, &TComboBox::Change, &TFrmConfig::CBSerialChange);
    ligar(SpeMaxGrupo, &TSpinEdit::Change, &TFrmConfig::SpeMaxGrupoChange);
    ligar(SpeNumGrupo, &TSpinEdit::Change, &TFrmConfig::SpeNumGrupoChange);
    ligar(SpeLinhaFinal, &TSpinEdit::Change, &TFrmConfig::SpeLinhaFinalChange);
    ligar(EdtNome, &QLineEdit::textEdited, &TFrmConfig::EdtNomeChange);
    ligar(EdtNome, &TEdit::Exit, &TFrmConfig::EdtNomeExit);
    ligar(CobDivisao, &TComboBox::Change, &TFrmConfig::CobDivisaoChange);
    ligar(Cobdigito, &TComboBox::Change, &TFrmConfig::CobdigitoChange);
    ligar(RdgHabilitado, &TRadioGroup::Click, &TFrmConfig::RdgHabilitadoClick);
    ligar(BitNovo, &QPushButton::clicked, &TFrmConfig::BitNovoClick);
    ligar(BitAbrir, &QPushButton::clicked, &TFrmConfig::BitAbrirClick);
    ligar(BitSalvar, &QPushButton::clicked, &TFrmConfig::BitSalvarClick);
    ligar(BitMascara, &QPushButton::clicked, &TFrmConfig::BitMascaraClick);
    ligar(BitAjuda, &QPushButton::clicked, &TFrmConfig::BitAjudaClick);
    ligar(BitFechar, &QPushButton::clicked, &TFrmConfig::BitFecharClick);
    connect(ImgCartao, &TImagemCartao::MouseDown, this,
            [this](Qt::MouseButton botao, Qt::KeyboardModifiers teclas, int x, int y) {
                Proteger([&] { ImgCartaoMouseDown(botao, teclas, x, y); });
            });
}

void TFrmConfig::closeEvent(QCloseEvent* evento)
{
    if (fechamentoConfirmado_) {
        evento->accept();
        return;
    }
    // The title bar, system menu and keyboard close the window too: ask as the Close button does.
    bool podeFechar = false;
    Proteger([&] {
        if (EdtNome->hasFocus())
            EdtNomeExit();
        podeFechar = PerguntarAntesDeDescartar(Textos::PerguntaAntesDeSair);
    });
    evento->setAccepted(podeFechar);
}

int TFrmConfig::GrupoAtual() const
{
    // The selector never leaves 1..NumGrupos through the rules; the clamp only keeps the table safe.
    return std::clamp(SpeNumGrupo->Value(), 1, MaxGrupos);
}

void TFrmConfig::MarcarNaoSalvo()
{
    BitSalvar->setEnabled(true);
}
