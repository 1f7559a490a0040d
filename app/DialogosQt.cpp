#include "DialogosQt.h"

#include "VisualizadorAjuda.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString TituloMensagens = QStringLiteral("Erro!");

std::optional<QString> Escolher(QWidget* janela, const TDialogoArquivo& dialogo, QFileDialog::AcceptMode modo)
{
    QFileDialog janelaArquivo(janela, dialogo.Titulo, dialogo.PastaInicial, dialogo.Filtro);
    janelaArquivo.setAcceptMode(modo);
    janelaArquivo.setFileMode(QFileDialog::AnyFile);  // neither dialog requires the file to exist
    janelaArquivo.setOption(QFileDialog::DontUseNativeDialog);
    janelaArquivo.setDefaultSuffix(dialogo.ExtensaoPadrao);
    janelaArquivo.setOption(QFileDialog::DontConfirmOverwrite, !dialogo.ConfirmarSubstituicao);
    janelaArquivo.setOption(QFileDialog::ReadOnly, false);
    janelaArquivo.setSizeGripEnabled(dialogo.Redimensionavel);
    janelaArquivo.selectFile(dialogo.NomeArquivo);
    if (janelaArquivo.exec() != QDialog::Accepted || janelaArquivo.selectedFiles().isEmpty())
        return std::nullopt;
    return janelaArquivo.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> DialogosQt::EscolherArquivoParaAbrir(const TDialogoArquivo& dialogo)
{
    return Escolher(janela_, dialogo, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogosQt::EscolherArquivoParaSalvar(const TDialogoArquivo& dialogo)
{
    return Escolher(janela_, dialogo, QFileDialog::AcceptSave);
}

bool DialogosQt::PerguntarSimNao(const QString& texto)
{
    QMessageBox caixa(QMessageBox::NoIcon, TituloMensagens, texto, QMessageBox::NoButton, janela_);
    QPushButton* sim = caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    caixa.setDefaultButton(sim);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void DialogosQt::Avisar(const QString& texto)
{
    QMessageBox caixa(QMessageBox::NoIcon, TituloMensagens, texto, QMessageBox::NoButton, janela_);
    caixa.setDefaultButton(caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    caixa.exec();
}

void DialogosQt::RelatarErro(const QString& razao)
{
    QMessageBox caixa(QMessageBox::Critical, TituloMensagens, razao, QMessageBox::NoButton, janela_);
    caixa.setDefaultButton(caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    caixa.exec();
}

void DialogosQt::MostrarAjuda(const QString& arquivoAjuda)
{
    ::MostrarAjuda(janela_, arquivoAjuda);
}
