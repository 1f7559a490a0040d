#pragma once

// Makes the whole program Brazilian Portuguese whatever the system's locale: numbers, dates and
// sizes through the default QLocale, and the texts of Qt's own dialogs through Qt's translation.
// Call once, after the application object exists.
void UsarPortuguesDoBrasil();
