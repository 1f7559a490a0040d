#include "Plataforma.h"

#include "Console.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QStringList>

#include <windows.h>

#include <string>

QString ArquivoDoPrograma()
{
    // Paths may be longer than MAX_PATH: the buffer grows until the whole path fits.
    std::wstring caminho(MAX_PATH, L'\0');
    for (;;) {
        const DWORD tamanho = ::GetModuleFileNameW(nullptr, caminho.data(), static_cast<DWORD>(caminho.size()));
        if (tamanho == 0)
            return {};
        if (tamanho < caminho.size())
            return QDir::fromNativeSeparators(QString::fromWCharArray(caminho.data(), static_cast<qsizetype>(tamanho)));
        caminho.resize(caminho.size() * 2);
    }
}

namespace {

// The texts are wrapped for an 80-column console, and a box wraps them again: a line that goes on
// a sentence (it starts in lower case) joins the one before it.
QString TextoParaCaixa(const QString& texto)
{
    const QStringList linhas = texto.trimmed().split(QLatin1Char('\n'));
    QString caixa = linhas.front();
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        const QString& anterior = linhas[i - 1];
        const bool continua = !anterior.isEmpty() && !anterior.startsWith(QLatin1Char(' ')) &&
                              !linhas[i].isEmpty() && linhas[i].front().isLower();
        caixa += (continua ? QLatin1Char(' ') : QLatin1Char('\n')) + linhas[i];
    }
    return caixa;
}

}  // namespace

void ResponderLinhaDeComando(const QString& texto, bool erro)
{
    UsarConsoleDeQuemIniciou();
    if (EscreverTexto(erro ? Fluxo::Erros : Fluxo::Saida, texto.toUtf8().toStdString()))
        return;
    // Started from the desktop, not a prompt: nothing would show the text but a box.
    const std::wstring mensagem = TextoParaCaixa(texto).toStdWString();
    ::MessageBoxW(nullptr, mensagem.c_str(), erro ? L"Erro!" : L"Ortelo", MB_OK | (erro ? MB_ICONERROR : MB_ICONINFORMATION));
}

QString CaminhoAbsoluto(const QString& caminho)
{
    return QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
}

bool EhPasta(const QString& caminho)
{
    return QFileInfo(caminho).isDir();
}

// A file address with a host is a network share, opened as \\servidor\pasta\cartao.cfg.
bool EnderecoAbrivel(const QUrl& endereco)
{
    return endereco.isLocalFile();
}

// Names are UTF-16 here, which the address's UTF-8 escapes hold whole; the drive letter loses the
// address's leading slash, and a host's address becomes the share's path (//servidor/pasta/…).
QString CaminhoDoEndereco(const QUrl& endereco)
{
    return endereco.toLocalFile();
}

void PrepararFontes()
{
    // Arial has Liberation Sans's metrics, so every label stays where it is placed.
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("Arial"));
}
