#pragma once

#include <QString>

#include <string>

// What the window needs to know of the system it runs on; one implementation per platform.

// The program's own file, looked for in the current directory to find the program's folder.
QString ArquivoDoPrograma();

// A path as the bytes the files below the window take (model/, sessao/), and back.
std::string BytesDoCaminho(const QString& caminho);
QString CaminhoDosBytes(const std::string& bytes);

// Makes the controls' font families resolve to what this system has, metrics kept.
void PrepararFontes();
