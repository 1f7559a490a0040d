#pragma once

#include "Dialogos.h"

#include <QFileDialog>

#include <memory>

enum class TipoDialogo {
    // Qt's own widgets, so it speaks the application's Portuguese: sizes and dates in the
    // application's locale, and every column of the detail view wide enough for its header and
    // its contents.
    DoQt,
    // The system's own dialog, which Qt opens in its place (on Windows, the shell's, with its
    // places, recent folders and its own overwrite question).
    DoSistema,
};

// Builds the file dialog for one of the window's file dialogs, carrying all its properties.
std::unique_ptr<QFileDialog> CriarDialogoArquivo(QWidget* janela, const TDialogoArquivo& dialogo,
                                                 QFileDialog::AcceptMode modo, TipoDialogo tipo);
