#pragma once

// How assistive technology sees the window and the card picture. The window is a frame, as
// screen readers expect of a top-level window (a plain widget would be a filler). The picture
// is seen through its cursor cell: its accessible name is that cell as a screen reader says it
// ("Linha 12, coluna 3, grupo 2: lida"), its description tells the keys.
// To be installed before the window exists; installing more than once does nothing more.
void InstalarAcessiveis();
