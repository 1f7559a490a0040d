#include "TextoLegivel.h"

#include <gtest/gtest.h>

namespace {

TEST(TextoLegivel, Windows1252BecomesUtf8AndHiddenBytesBecomeEscapes)
{
    const struct {
        std::string Bytes, Texto;
    } casos[] = {
        {"Quest\xF5" "es", "Questões"},
        {"\x80\x9F\xFF", "€Ÿÿ"},
        {"\x81\x8D\x8F\x90\x9D", "\\x81\\x8D\\x8F\\x90\\x9D"},
        {"a\nb\tc\x1B[2J\x7F", "a\\x0Ab\\x09c\\x1B[2J\\x7F"},
        {"\\x41", "\\\\x41"},
        {"", ""},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(TextoLegivel(caso.Bytes), caso.Texto) << caso.Texto;
}

}  // namespace
