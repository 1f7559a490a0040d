#pragma once

#include "Cartao.h"
#include "Dialogos.h"
#include "Plataforma.h"
#include "SessaoEdicao.h"
#include "SuperficieImagem.h"

#include <QWidget>

#include <bitset>
#include <functional>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class TBitBtn;
class TComboBox;
class TEdit;
class TImagemCartao;
class TRadioGroup;
class TSpinEdit;

// The one window of the program: it owns the card for the life of the process, shows it in its
// controls and its picture, and turns the operator's actions into changes of the card. What is
// not shown — the file, the saved bytes, the undo history, the crash recovery — is the editing
// session's, which the window tells of every event.
// Construction, start-up, refresh, group rules, mask editing and file commands each live in a
// source file of their own.
class TFrmConfig : public QWidget {
    Q_OBJECT
public:
    // Without dialogs the window uses Qt's own; tests pass scripted ones.
    // A card file given at start (the command line) is opened as Open does, once the start-up
    // and its recovery offer are done. The program's folder is that of the program's own file
    // (Plataforma.h), which tests place where they want it.
    explicit TFrmConfig(std::unique_ptr<Dialogos> dialogos = nullptr, const QString& arquivoInicial = {},
                        const QString& arquivoDoPrograma = ArquivoDoPrograma());
    ~TFrmConfig() override;

    // The 41 controls and dialogs, in creation order.
    TRadioGroup* RdgLeitura = nullptr;
    QLabel* ImgPelunca = nullptr;
    QLabel* StxPelunca = nullptr;
    QLabel* StxConfig = nullptr;
    QLabel* StxPrograma = nullptr;
    QGroupBox* GrbCartao = nullptr;
    QGroupBox* GrbMascara = nullptr;
    QGroupBox* GrbGrupo = nullptr;
    QLabel* LblNumero = nullptr;
    QLabel* LblNumInicial = nullptr;
    QLabel* LblNumFinal = nullptr;
    TSpinEdit* SpeNumGrupo = nullptr;
    QLabel* LblNome = nullptr;
    TEdit* EdtNome = nullptr;
    QLabel* LblDivisao = nullptr;
    QGroupBox* GrbFormato = nullptr;
    QLabel* LblNumGrupo = nullptr;
    QLabel* LblNumCartao = nullptr;
    TComboBox* CobDivisao = nullptr;
    QGroupBox* GrbArquivo = nullptr;
    QLabel* LblArquivo = nullptr;
    QLineEdit* EdtArquivo = nullptr;
    TDialogoArquivo OpdAbrir;
    TDialogoArquivo SvdSalvar;
    TBitBtn* BitAbrir = nullptr;
    TBitBtn* BitSalvar = nullptr;
    TBitBtn* BitNovo = nullptr;
    TBitBtn* BitMascara = nullptr;
    TSpinEdit* SpeMaxGrupo = nullptr;
    TSpinEdit* SpeLinhaFinal = nullptr;
    QLineEdit* EdtLinhaInicial = nullptr;
    TRadioGroup* RdgHabilitado = nullptr;
    TBitBtn* BitAjuda = nullptr;
    TBitBtn* BitFechar = nullptr;
    QLineEdit* EdtNumLinha = nullptr;
    QLabel* LblDigito = nullptr;
    TComboBox* Cobdigito = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TImagemCartao* ImgCartao = nullptr;
    QGroupBox* GrbSerial = nullptr;
    TComboBox* CBSerial = nullptr;

    // The card and the window state kept beside it.
    TCartao Cartao;
    bool PermiteLinhaFinal = true;
    bool AtualizandoHabilitado = false;
    bool ModoMascara = false;
    QString DirPrograma;
    QString ArqCfgInf;

    // The card picture, kept between redraws.
    const QImage& ImagemCartao() const { return superficie_.Imagem(); }

    // Start-up and refresh.
    void FormCreate();
    void MontarCartaoPrimeiraVez();
    void AtualizarRegistro();
    void Canvas();

    // Group panel and card settings.
    void SpeMaxGrupoChange();
    void SpeNumGrupoChange();
    void SpeLinhaFinalChange();
    void CobDivisaoChange();
    void RdgHabilitadoClick();
    void EdtNomeChange();
    void EdtNomeExit();
    void CobdigitoChange();
    void CBSerialChange();
    void RdgLeituraClick();

    // Mask editing.
    void BitMascaraClick();
    void ImgCartaoMouseDown(Qt::MouseButton botao, Qt::KeyboardModifiers teclas, int x, int y);

    // File commands.
    void BitNovoClick();
    void BitAbrirClick();
    void BitSalvarClick();
    void BitAjudaClick();
    void BitFecharClick();
    void AbrirUltimoArquivo();
    // A file that came from outside the window (command line, drop): the question first, then Open.
    void AbrirArquivoRecebido(const QString& caminho);

    // Undo and redo: every editing action is one step over a snapshot of the whole card.
    void Desfazer();
    void Refazer();
    const Historico& HistoricoDeEdicao() const { return sessao_->HistoricoDeEdicao(); }

    // Crash recovery: the unsaved card is kept in a file beside Cfg.inf and offered back at the
    // next start. Guardar writes what is pending now and waits for the disk.
    void OferecerRecuperacao();
    void GuardarRecuperacaoAgora() { sessao_->GuardarRecuperacaoAgora(); }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // Construction (ConstrucaoJanela.cpp).
    void CriarControles();
    void CriarCaixaArquivo();
    void CriarCaixaCartao();
    void CriarCaixaGrupo();
    void CriarCaixaMascara();
    void CriarImagemCartao();
    void DefinirOrdemTabulacao();
    void DefinirNomesAcessiveis();
    void LigarEventos();
    void CriarAtalhos();

    // Runs a handler so that no error escapes into Qt's event loop: it is reported instead.
    void Proteger(const std::function<void()>& acao);

    // An operator's editing action: one undo step when it changed the card. Handlers that it
    // raises by writing controls are part of the same step.
    void Editar(const std::function<void()>& acao);
    // A file command or start-up: handlers raised inside it record no step of their own.
    void Comandar(const std::function<void()>& acao);
    // After every operator event: the session follows the card on screen.
    void AposEvento();
    // The card a save would write now: a name still being typed included.
    TCartao CartaoComNomeDigitado() const;
    EstadoEdicao EstadoAtual() const;
    void RestaurarEstado(const EstadoEdicao& estado);
    void ArmazenarNomeDigitado();
    void LigarModoMascara();
    // The mask selection's cells over the picture: green where masked, unmasked where the
    // operator unmasked them.
    void RepintarSelecaoDaMascara();
    // The picture again for a screen of another scale, the card and the mask selection untouched.
    void RedesenharNaEscala(double razaoDoDispositivo);
    Cor FaceDoBotao() const;
    void OferecerCartoesDeixados();
    void AvisarSemRecuperacao();

    // Helpers shared by the handlers.
    int GrupoAtual() const;
    // Save is enabled exactly when a Save now would write other bytes than the file command that
    // last read or wrote the card.
    void MedirNaoSalvo();
    void MostrarNomeArquivo(const QString& caminho);
    // After a file was read into the card: the controls and the picture show it.
    void MostrarCartaoLido(const QString& caminho);
    void AlinharControlesAoCartao();
    void MostrarPortaSerial();
    // Open's work once a path is known; nothing when the dialog was cancelled.
    void AbrirArquivo(const std::optional<QString>& caminho);
    void AbrirArquivoInicial();
    bool PerguntarAntesDeDescartar(const QString& pergunta);
    bool Salvar();
    void PintarCelula(int linha, int coluna, bool mascarada);

    std::unique_ptr<Dialogos> dialogos_;
    SuperficieImagem superficie_;
    bool fechamentoConfirmado_ = false;

    std::unique_ptr<SessaoEdicao> sessao_;
    int profundidadeAcao_ = 0;
    int grupoMostrado_ = 1;  // the group of the last refresh
    std::bitset<TamanhoMascara + 1> celulasDesmascaradas_;
    bool nomeSendoDigitado_ = false;
    QString arquivoInicial_;  // the card file of the command line, made absolute at start
    QString arquivoDoPrograma_;
    bool recuperacaoAceita_ = false;
};
