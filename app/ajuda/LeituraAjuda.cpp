#include "LeituraAjuda.h"

#include "LeituraDeArquivo.h"
#include "CaminhoDoSistema.h"

#include <QDir>
#include <QFileInfo>

namespace {

TVerificacaoAjuda Recusa(const QString& caminhoMostrado, const QString& motivo)
{
    return {false, QStringLiteral("O arquivo de ajuda \"%1\" %2").arg(caminhoMostrado, motivo)};
}

// The system's reason why the file cannot be opened for reading, in Portuguese; empty when it can.
// Opened directly, since Qt only gives the reason as English text.
QString MotivoDeLeitura(const QString& caminho)
{
    return QString::fromStdString(MotivoParaNaoLer(BytesDoCaminho(caminho).toStdString()));
}

}  // namespace

TVerificacaoAjuda VerificarArquivoAjuda(const QString& caminhoArquivo)
{
    if (caminhoArquivo.isEmpty())
        return {false, QStringLiteral("Nenhum arquivo de ajuda foi indicado.")};

    const QFileInfo info(caminhoArquivo);
    const QString mostrado = QDir::toNativeSeparators(info.absoluteFilePath());
    if (!info.exists())
        return Recusa(mostrado, QStringLiteral("não foi encontrado."));
    if (info.isDir())
        return Recusa(mostrado, QStringLiteral("não pôde ser aberto: o caminho indica uma pasta, não um arquivo."));
    // A pipe or a device could block the read forever.
    if (!info.isFile())
        return Recusa(mostrado, QStringLiteral("não pôde ser aberto: não é um arquivo comum."));
    if (info.size() == 0)
        return Recusa(mostrado, QStringLiteral("está vazio."));
    if (info.size() > TamanhoMaximoAjuda)
        return Recusa(mostrado, QStringLiteral("é grande demais para ser um arquivo de ajuda."));

    if (const QString motivo = MotivoDeLeitura(caminhoArquivo); !motivo.isEmpty())
        return Recusa(mostrado, QStringLiteral("não pôde ser lido: %1.").arg(motivo));
    return {true, QString()};
}
