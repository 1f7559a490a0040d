#include "LeituraAjuda.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

TVerificacaoAjuda Recusa(const QString& caminhoMostrado, const QString& motivo)
{
    return {false, QStringLiteral("O arquivo de ajuda \"%1\" %2").arg(caminhoMostrado, motivo)};
}

QString MotivoDeLeitura(const QFile& arquivo)
{
    if (arquivo.error() == QFileDevice::PermissionsError)
        return QStringLiteral("não pôde ser lido: não há permissão de leitura.");
    return QStringLiteral("não pôde ser lido: %1.").arg(arquivo.errorString());
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

    QFile arquivo(caminhoArquivo);
    if (!arquivo.open(QIODevice::ReadOnly))
        return Recusa(mostrado, MotivoDeLeitura(arquivo));
    return {true, QString()};
}
