#pragma once

#include <string>
#include <string_view>

// Paths are UTF-8 in the program and UTF-16 at the system's calls.

// The UTF-16 form of a UTF-8 path; nothing (an empty string) when the bytes are not valid UTF-8.
std::wstring CaminhoLargo(std::string_view utf8);
// The UTF-8 form of a path the system gave.
std::string CaminhoUtf8(std::wstring_view largo);
// The form in which a UTF-8 path reaches the system's file calls: UTF-16, absolute, with
// backslashes and without "." or "..", behind the \\?\ prefix (\\?\UNC\ for a share) that lifts
// the 260-character limit. Nothing (an empty string) when the bytes are not valid UTF-8.
std::wstring CaminhoLongo(std::string_view utf8);
// Whether the bytes are valid UTF-8.
bool Utf8Valido(std::string_view bytes);
