#include "DialogoArquivoQt.h"

#include "ModeloArquivosLocal.h"

#include <QDateTime>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace {

// The longest texts the size, type and date columns usually show; the dialog lists folders and
// files with the default extension.
QStringList ExemplosDeConteudo(const QString& extensao)
{
    return {QString(), ModeloArquivosLocal::TextoTamanho(Q_INT64_C(1023) * 1024 * 1024 + 1022 * 1024),
            ModeloArquivosLocal::TextoTipo(false, extensao),
            ModeloArquivosLocal::TextoData(QDateTime(QDate(2000, 12, 28), QTime(23, 59)))};
}

// Qt sizes the columns for English headers and dates; Portuguese ones ("Data de modificação")
// would be cut off. Each column gets room for its header and its contents, and the view room for
// all columns, so the dialog opens wide enough to show them whole.
void AlargarColunas(QFileDialog& janelaArquivo, const QString& extensao)
{
    auto* detalhes = janelaArquivo.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!detalhes)
        return;
    QHeaderView* cabecalho = detalhes->header();
    const QFontMetrics metrica = detalhes->fontMetrics();
    const int margem = 2 * (detalhes->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, detalhes) + 1) + 8;
    const QStringList exemplos = ExemplosDeConteudo(extensao);

    int total = 0;
    for (int secao = 0; secao < cabecalho->count(); ++secao) {
        int largura = std::max(cabecalho->sectionSize(secao), cabecalho->sectionSizeHint(secao));
        if (secao < exemplos.size() && !exemplos[secao].isEmpty())
            largura = std::max(largura, metrica.horizontalAdvance(exemplos[secao]) + margem);
        cabecalho->resizeSection(secao, largura);
        total += largura;
    }
    const int barra = detalhes->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, detalhes);
    detalhes->setMinimumWidth(total + 2 * detalhes->frameWidth() + barra);

    // The places beside the list ("Computador", the home folder) are shown whole too.
    if (auto* lugares = janelaArquivo.findChild<QAbstractItemView*>(QStringLiteral("sidebar")))
        lugares->setMinimumWidth(lugares->sizeHintForColumn(0) + 2 * lugares->frameWidth() + margem);
}

}  // namespace

std::unique_ptr<QFileDialog> CriarDialogoArquivo(QWidget* janela, const TDialogoArquivo& dialogo,
                                                 QFileDialog::AcceptMode modo, TipoDialogo tipo)
{
    const bool doQt = tipo == TipoDialogo::DoQt;
    auto janelaArquivo = std::make_unique<QFileDialog>(janela, dialogo.Titulo, dialogo.PastaInicial, dialogo.Filtro);
    janelaArquivo->setAcceptMode(modo);
    janelaArquivo->setFileMode(QFileDialog::AnyFile);  // neither dialog requires the file to exist
    if (doQt) {
        janelaArquivo->setOption(QFileDialog::DontUseNativeDialog);
        janelaArquivo->setProxyModel(new ModeloArquivosLocal(janelaArquivo.get()));
    }
    janelaArquivo->setDefaultSuffix(dialogo.ExtensaoPadrao);
    janelaArquivo->setOption(QFileDialog::DontConfirmOverwrite, !dialogo.ConfirmarSubstituicao);
    janelaArquivo->setOption(QFileDialog::ReadOnly, false);
    janelaArquivo->selectFile(dialogo.NomeArquivo);
    if (doQt) {
        janelaArquivo->setSizeGripEnabled(dialogo.Redimensionavel);
        AlargarColunas(*janelaArquivo, dialogo.ExtensaoPadrao);
    }
    return janelaArquivo;
}
