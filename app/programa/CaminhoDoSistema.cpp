#include "CaminhoDoSistema.h"


namespace {

constexpr char32_t InicioDosEscapes = 0xDC80;

bool EhContinuacao(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The character of the valid UTF-8 sequence at `inicio` and its length, or length 0: overlong
// forms, surrogates and values beyond U+10FFFF are not valid.
std::pair<char32_t, int> Sequencia(const QByteArray& bytes, qsizetype inicio)
{
    const auto primeiro = static_cast<unsigned char>(bytes[inicio]);
    int tamanho = 0;
    char32_t valor = 0;
    char32_t minimo = 0;
    if (primeiro < 0x80)
        return {primeiro, 1};
    if ((primeiro & 0xE0) == 0xC0) {
        tamanho = 2, valor = primeiro & 0x1F, minimo = 0x80;
    } else if ((primeiro & 0xF0) == 0xE0) {
        tamanho = 3, valor = primeiro & 0x0F, minimo = 0x800;
    } else if ((primeiro & 0xF8) == 0xF0) {
        tamanho = 4, valor = primeiro & 0x07, minimo = 0x10000;
    } else {
        return {0, 0};
    }
    if (inicio + tamanho > bytes.size())
        return {0, 0};
    for (int i = 1; i < tamanho; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[inicio + i]);
        if (!EhContinuacao(byte))
            return {0, 0};
        valor = (valor << 6) | (byte & 0x3F);
    }
    if (valor < minimo || valor > 0x10FFFF || (valor >= 0xD800 && valor <= 0xDFFF))
        return {0, 0};
    return {valor, tamanho};
}

void AcrescentarUtf8(QByteArray& bytes, char32_t c)
{
    if (c < 0x80) {
        bytes.append(static_cast<char>(c));
    } else if (c < 0x800) {
        bytes.append(static_cast<char>(0xC0 | (c >> 6)));
        bytes.append(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        bytes.append(static_cast<char>(0xE0 | (c >> 12)));
        bytes.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        bytes.append(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        bytes.append(static_cast<char>(0xF0 | (c >> 18)));
        bytes.append(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        bytes.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        bytes.append(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool EhEscape(char16_t c)
{
    return c >= InicioDosEscapes && c <= InicioDosEscapes + 0x7F;
}

}  // namespace

QString CaminhoDeBytes(const QByteArray& bytes)
{
    QString caminho;
    caminho.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto [valor, tamanho] = Sequencia(bytes, i);
        if (tamanho == 0) {
            caminho.append(QChar(static_cast<char16_t>(InicioDosEscapes + (static_cast<unsigned char>(bytes[i]) - 0x80))));
            ++i;
            continue;
        }
        caminho.append(QString::fromUcs4(&valor, 1));
        i += tamanho;
    }
    return caminho;
}

QByteArray BytesDoCaminho(const QString& caminho)
{
    QByteArray bytes;
    bytes.reserve(caminho.size());
    for (qsizetype i = 0; i < caminho.size(); ++i) {
        const char16_t c = caminho[i].unicode();
        if (EhEscape(c)) {
            bytes.append(static_cast<char>(0x80 + (c - InicioDosEscapes)));
        } else if (QChar::isHighSurrogate(c) && i + 1 < caminho.size() && caminho[i + 1].isLowSurrogate()) {
            AcrescentarUtf8(bytes, QChar::surrogateToUcs4(c, caminho[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            AcrescentarUtf8(bytes, 0xFFFD);  // as Qt writes a lone half
        } else {
            AcrescentarUtf8(bytes, c);
        }
    }
    return bytes;
}

QString CaminhoParaMostrar(const QString& caminho)
{
    QString texto = caminho;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        // The second half of a character beyond U+FFFF may look like an escape: it is not one.
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        else if (EhEscape(texto[i].unicode()))
            texto[i] = QChar::ReplacementCharacter;
    }
    return texto;
}
