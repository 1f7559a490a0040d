#include "RecusaDoArquivoTodo.h"

std::optional<RecusaCfg> RecusaDoArquivoTodo(std::string_view bytes)
{
    if (bytes.empty())
        return RecusaCfg{0, "O arquivo está vazio."};
    // No text file holds NUL; pictures, archives and programs all do.
    if (bytes.find('\0') != std::string_view::npos)
        return RecusaCfg{0, "O arquivo não parece um arquivo de cartão: traz bytes nulos (0x00), como um arquivo binário."};
    // A card file ends its lines in CR LF, and the reader takes a lone CR too; a file with LF
    // alone is told so on its first line instead.
    if (bytes.find_first_of("\r\n") == std::string_view::npos)
        return RecusaCfg{0, "O arquivo não parece um arquivo de cartão: não tem nenhuma linha terminada em CR LF."};
    return std::nullopt;
}
