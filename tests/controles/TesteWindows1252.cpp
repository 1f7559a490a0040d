#include "Windows1252.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

std::string TodosOsBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

bool Indefinido(int b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

}  // namespace

TEST(Windows1252, TodosOsBytesVoltamIguais)
{
    const std::string bytes = TodosOsBytes();
    const QString texto = DeWindows1252(bytes);
    ASSERT_EQ(texto.size(), 256);

    const auto deVolta = ParaWindows1252(texto);
    ASSERT_TRUE(deVolta.has_value());
    EXPECT_EQ(*deVolta, bytes);
}

TEST(Windows1252, CaracteresConhecidos)
{
    EXPECT_EQ(DeWindows1252("\x80\x8A\x96\x99\x9F"), QString::fromUtf8("€Š–™Ÿ"));
    EXPECT_EQ(DeWindows1252("Inscri\xE7\xE3o"), QString::fromUtf8("Inscrição"));
    EXPECT_EQ(ParaWindows1252(QString::fromUtf8("Número € “A”")),
              std::optional<std::string>("N\xFAmero \x80 \x93" "A\x94"));
    EXPECT_EQ(ParaWindows1252(QString()), std::optional<std::string>(""));
}

// The five bytes without a character stand for the C1 code of the same value.
TEST(Windows1252, BytesIndefinidosViramC1)
{
    for (int b = 0x80; b < 0xA0; ++b) {
        const QChar c = DeWindows1252(std::string(1, static_cast<char>(b))).at(0);
        EXPECT_EQ(c.unicode() == b, Indefinido(b)) << std::hex << b;
    }
}

// Every other byte agrees with the system's own codec, where there is one.
TEST(Windows1252, ConfereComOCodecDoSistema)
{
    QStringDecoder sistema("windows-1252");
    if (!sistema.isValid())
        GTEST_SKIP() << "no system windows-1252 codec";
    for (int b = 0; b < 256; ++b) {
        if (Indefinido(b))
            continue;
        const std::string byte(1, static_cast<char>(b));
        const QString esperado = sistema.decode(QByteArrayView(byte.data(), 1));
        EXPECT_EQ(DeWindows1252(byte), esperado) << std::hex << b;
    }
}

TEST(Windows1252, RecusaOQueNaoTemByte)
{
    const char32_t semByte[] = {U'Ł', U'中', U'😀', U'\u0080', U'\u009F', U'\u0100', U'\uFFFD'};
    for (const char32_t c : semByte) {
        const QString texto = "a" + QString::fromUcs4(&c, 1) + "b";
        EXPECT_EQ(ParaWindows1252(texto), std::nullopt) << int(c);
    }
    EXPECT_EQ(ParaWindows1252(QString(QChar(0xD800))), std::nullopt);  // lone surrogate
}

// The codec stores control bytes as they are; keeping them out of names is the validator's job.
TEST(Windows1252, ControlesSaoBytesComoOsOutros)
{
    EXPECT_EQ(ParaWindows1252(QString("a\r\nb\x1A")), std::optional<std::string>("a\r\nb\x1A"));
}
