#include "ErroCartao.h"

ErroCartao::ErroCartao(const std::string& razao, int linha)
    : std::runtime_error(razao), linha_(linha)
{
}
