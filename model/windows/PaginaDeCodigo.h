#pragma once

#include <string>
#include <string_view>

// The UTF-8 form of text written in a Windows code page (1252, 1251, 850…).
std::string Utf8DaPaginaDeCodigo(std::string_view bytes, unsigned pagina);
