#include "DialogosQt.h"

#include "AparenciaDoSistema.h"
#include "CaixaSimNao.h"
#include "DialogoArquivoQt.h"
#include "Textos.h"
#include "VisualizadorAjuda.h"

#include <QMessageBox>

namespace {

std::optional<QString> Escolher(QWidget* janela, const TDialogoArquivo& dialogo, QFileDialog::AcceptMode modo)
{
    const auto janelaArquivo = CriarDialogoArquivo(
        janela, dialogo, modo, DialogosDeArquivoDoSistema() ? TipoDialogo::DoSistema : TipoDialogo::DoQt);
    if (janelaArquivo->exec() != QDialog::Accepted || janelaArquivo->selectedFiles().isEmpty())
        return std::nullopt;
    return janelaArquivo->selectedFiles().constFirst();
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
    CaixaSimNao caixa(texto, janela_);
    caixa.exec();
    return caixa.RespondeuSim();
}

void DialogosQt::Avisar(const QString& texto)
{
    QMessageBox caixa(QMessageBox::NoIcon, Textos::TituloMensagens, texto, QMessageBox::NoButton, janela_);
    caixa.setFont(FonteDasMensagens());
    caixa.setDefaultButton(caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    caixa.exec();
}

void DialogosQt::RelatarErro(const QString& razao)
{
    QMessageBox caixa(QMessageBox::Critical, Textos::TituloMensagens, razao, QMessageBox::NoButton, janela_);
    caixa.setFont(FonteDasMensagens());
    caixa.setDefaultButton(caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    caixa.exec();
}

void DialogosQt::MostrarAjuda(const QString& arquivoAjuda)
{
    ::MostrarAjuda(janela_, arquivoAjuda);
}
