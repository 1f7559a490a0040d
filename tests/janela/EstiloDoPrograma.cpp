// Every window test runs in the style and with the message font the program itself takes from
// the system (under Wine: the Windows style, from Qt's plugins folder).

#include "AparenciaDoSistema.h"

#include <gtest/gtest.h>

namespace {

class EstiloDoPrograma : public ::testing::Environment {
public:
    void SetUp() override { UsarAparenciaDoSistema(); }
};

[[maybe_unused]] ::testing::Environment* const registrado =
    ::testing::AddGlobalTestEnvironment(new EstiloDoPrograma);

}  // namespace
