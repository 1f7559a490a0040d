// The SVG surface: each drawing call becomes the shape with the same rectangle and colour.

#include "SuperficieSvg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

struct Caso {
    const char* Nome;
    std::function<void(Superficie&)> Desenhar;
    std::string Esperado;
};

const Caso Casos[] = {
    {"preencher", [](Superficie& s) { s.DefinirPincel(0x0000FF); s.Preencher({25, 2, 225, 29}); },
     "<rect x=\"25\" y=\"2\" width=\"200\" height=\"27\" fill=\"#ff0000\"/>\n"},
    {"recortadoNaSuperficie", [](Superficie& s) { s.Preencher({-5, 840, 300, 1 << 20}); },
     "<rect x=\"0\" y=\"840\" width=\"240\" height=\"10\" fill=\"#ffffff\"/>\n"},
    {"moldura", [](Superficie& s) { s.DefinirPincel(0x008000); s.Moldurar({40, 11, 52, 19}); },
     "<path d=\"M40 11H52V19H40ZM41 12H51V18H41Z\" fill=\"#008000\" fill-rule=\"evenodd\"/>\n"},
    {"molduraSemInterior", [](Superficie& s) { s.DefinirPincel(0); s.Moldurar({3, 3, 5, 9}); },
     "<rect x=\"3\" y=\"3\" width=\"2\" height=\"6\" fill=\"#000000\"/>\n"},
    {"texto",
     [](Superficie& s) {
         s.DefinirPincel(0xFFFFFF);
         s.DefinirFonte("Small Fonts", 5, 0x0000FF);
         s.EscreverTexto({40, 11, 52, 19}, 44, 11, "A&<");
     },
     "<rect x=\"40\" y=\"11\" width=\"12\" height=\"8\" fill=\"#ffffff\"/>\n"
     "<clipPath id=\"r1\"><rect x=\"40\" y=\"11\" width=\"12\" height=\"8\"/></clipPath>"
     "<text x=\"44\" y=\"17\" fill=\"#ff0000\" clip-path=\"url(#r1)\">A&amp;&lt;</text>\n"},
};

class Svg : public ::testing::TestWithParam<Caso> {};

TEST_P(Svg, EachCallBecomesItsShape)
{
    SuperficieSvg superficie;
    GetParam().Desenhar(superficie);
    EXPECT_THAT(superficie.Documento(1), HasSubstr(GetParam().Esperado));
}

INSTANTIATE_TEST_SUITE_P(CadaOperacao, Svg, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.Nome); });

TEST(SuperficieSvg, TheScaleSizesThePageAndNothingOffTheSurfaceIsWritten)
{
    SuperficieSvg superficie;
    superficie.Preencher({0, 900, 240, 1000});
    superficie.EscreverTexto({10, 900, 22, 908}, 10, 900, "91");
    const std::string documento = superficie.Documento(3);
    EXPECT_THAT(documento, HasSubstr("width=\"720\" height=\"2550\" viewBox=\"0 0 240 850\""));
    EXPECT_THAT(documento, Not(HasSubstr("<rect")));
    EXPECT_THAT(documento, Not(HasSubstr("<text")));
}

}  // namespace
