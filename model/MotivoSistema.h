#pragma once

#include <string>

// The system's reason for a failed file operation, in Brazilian Portuguese; errors without a
// translation fall back to the system's own text, so no reason is ever lost.
std::string MotivoSistema(int erro);
