#include "Plataforma.h"

#include "CaminhoDoSistema.h"
#include "Console.h"

#include <QDir>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

QString ArquivoDoPrograma()
{
    return QStringLiteral("Ortelo");
}

// A refused argument comes back with its own bytes, whatever they are.
void ResponderLinhaDeComando(const QString& texto, bool erro)
{
    EscreverTexto(erro ? Fluxo::Erros : Fluxo::Saida, BytesDoCaminho(texto).toStdString());
}

// From the current folder's own bytes: Qt's absolute path would go through its lossy decoding.
QString CaminhoAbsoluto(const QString& caminho)
{
    if (caminho.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(caminho);
    std::vector<char> pasta(PATH_MAX + 1);
    if (!::getcwd(pasta.data(), pasta.size()))
        return caminho;  // no current folder: the name as given is all there is
    return QDir::cleanPath(CaminhoDeBytes(QByteArray(pasta.data())) + QLatin1Char('/') + caminho);
}

bool EhPasta(const QString& caminho)
{
    struct stat estado {};
    return ::stat(BytesDoCaminho(caminho).constData(), &estado) == 0 && S_ISDIR(estado.st_mode);
}

bool EnderecoAbrivel(const QUrl& endereco)
{
    return endereco.isLocalFile() &&
           (endereco.host().isEmpty() || endereco.host().compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0);
}

// QUrl::toLocalFile decodes the escapes as UTF-8, and a name that is not UTF-8 would become
// another one: the escapes are the name's bytes.
QString CaminhoDoEndereco(const QUrl& endereco)
{
    return CaminhoDeBytes(QByteArray::fromPercentEncoding(endereco.path(QUrl::FullyEncoded).toLatin1()));
}

void PrepararFontes()
{
    // Liberation Sans is installed with the program.
}
