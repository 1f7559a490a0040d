// Start-up: the card's creation values, the program's folder and the first card shown.

#include "TFrmConfig.h"

#include "CaminhoDoSistema.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TSpinEdit.h"
#include "Textos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

namespace {

// An ordinary file of that name: a folder or a hidden file does not count.
bool ArquivoComumExiste(const QString& caminho)
{
    const QFileInfo info(caminho);
    return info.isFile() && !info.isHidden();
}

}  // namespace

void TFrmConfig::FormCreate()
{
    IniciarPadroes(Cartao);
    PermiteLinhaFinal = true;
    AtualizandoHabilitado = false;
    ModoMascara = false;

    DirPrograma.clear();
    // The program's own file: on Linux looked for in the current directory, on Windows the
    // running program's path.
    if (ArquivoComumExiste(arquivoDoPrograma_))
        DirPrograma = QFileInfo(arquivoDoPrograma_).absolutePath() + QLatin1Char('/');

    OpdAbrir.PastaInicial = DirPrograma + QStringLiteral("Config");
    SvdSalvar.PastaInicial = DirPrograma + QStringLiteral("Config");
    ArqCfgInf = DirPrograma + QStringLiteral("Cfg.inf");
    // Called on the recovery writer's thread too, perhaps after this window is gone: the window
    // hears of it on its own thread, and only while it lives.
    sessao_ = std::make_unique<SessaoEdicao>(
        BytesDoCaminho(DirPrograma).toStdString(), [janela = QPointer<TFrmConfig>(this)] {
            if (QCoreApplication* aplicacao = QCoreApplication::instance())
                QMetaObject::invokeMethod(
                    aplicacao,
                    [janela] {
                        if (janela)
                            janela->Proteger([&] { janela->AvisarSemRecuperacao(); });
                    },
                    Qt::QueuedConnection);
        });
    const bool existeCfgInf = ArquivoComumExiste(ArqCfgInf);

    SpeLinhaFinal->SetMaxValue(MaxLinhas);
    CobDivisao->SetItemIndex(0);

    if (existeCfgInf)
        AbrirUltimoArquivo();
    else
        MontarCartaoPrimeiraVez();
    // The list shows the port a Save would store, from the first start on.
    MostrarPortaSerial();

    BitSalvar->setEnabled(false);
    sessao_->Salvo(sessao_->Arquivo(), Cartao);
}

void TFrmConfig::MontarCartaoPrimeiraVez()
{
    DefinirCartaoPrimeiraVez(Cartao);
    SpeNumGrupo->setEnabled(false);
    EdtArquivo->clear();
    AtualizarRegistro();
    sessao_->Salvo({}, Cartao);
    sessao_->HistoricoDeEdicao().Reiniciar();
}

void TFrmConfig::AbrirArquivoInicial()
{
    if (arquivoInicial_.isEmpty())
        return;
    // Recovered changes are the newer work: opening the file over them would drop them.
    if (recuperacaoAceita_) {
        dialogos_->Avisar(Textos::ArquivoNaoAbertoPorRecuperacao.arg(CaminhoParaMostrar(QFileInfo(arquivoInicial_).fileName())));
        return;
    }
    Proteger([this] { Comandar([this] { AbrirArquivoRecebido(arquivoInicial_); }); });
}
