#pragma once

#include <QString>

#include <exception>

// The text the operator reads for an error that stopped a command. The card files' errors already
// carry the path and a Portuguese reason; the standard library's own English text
// ("std::bad_alloc") is put into Portuguese here.
QString MensagemDoErro(const std::exception& erro);
