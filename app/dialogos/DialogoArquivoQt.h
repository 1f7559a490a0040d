#pragma once

#include "Dialogos.h"

#include <QFileDialog>

#include <memory>

// Builds Qt's file dialog for one of the window's file dialogs: Qt's own widgets (so it speaks the
// application's Portuguese), sizes and dates in the application's locale, and every column of the
// detail view wide enough for its header and its contents.
std::unique_ptr<QFileDialog> CriarDialogoArquivo(QWidget* janela, const TDialogoArquivo& dialogo,
                                                 QFileDialog::AcceptMode modo);
