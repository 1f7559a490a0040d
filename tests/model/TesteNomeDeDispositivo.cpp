#include "NomeDeDispositivo.h"

#include <gtest/gtest.h>

namespace {

TEST(NomeDeDispositivo, WindowsDevicesInAnyCaseWithAnyExtensionAndTheEndsItStrips)
{
    const struct {
        const char* Nome;
        const char* Dispositivo;  // nullptr: an ordinary name
    } casos[] = {
        {"COM3.cfg", "COM3"},
        {"com3.cfg", "com3"},
        {"COM3.tar.gz", "COM3"},
        {"nul .txt", "nul"},
        {"NUL", "NUL"},
        {"Con.cfg", "Con"},
        {"aux.cfg", "aux"},
        {"PRN.cfg", "PRN"},
        {"COM0.cfg", "COM0"},
        {"lpt9.cfg", "lpt9"},
        {"LPT1 ..cfg", "LPT1"},
        {"com1:fluxo", "com1"},
        {"C:\\Cartões\\COM9.cfg", "COM9"},
        {"/home/op/lpt1.cfg", "lpt1"},
        {"COM10.cfg", nullptr},
        {"COM.cfg", nullptr},
        {"COMA.cfg", nullptr},
        {"console.cfg", nullptr},
        {"nulo.cfg", nullptr},
        {"xCOM3.cfg", nullptr},
        {"C:\\COM3\\cartao.cfg", nullptr},  // only the file's own name counts
        {"Questões.cfg", nullptr},
        {"", nullptr},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        const auto dispositivo = DispositivoDoWindows(caso.Nome);
        EXPECT_EQ(dispositivo.value_or("(nenhum)"), caso.Dispositivo ? caso.Dispositivo : "(nenhum)");
    }
}

}  // namespace
