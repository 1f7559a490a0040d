#pragma once

// Makes assistive technology see the card picture through its cursor cell: the picture's
// accessible name is that cell as a screen reader says it ("Linha 12, coluna 3, grupo 2: lida"),
// its description tells the keys. Installing more than once does nothing more.
void InstalarAcessivelImagemCartao();
