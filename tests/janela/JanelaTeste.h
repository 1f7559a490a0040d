#pragma once

#include "DialogosRoteirizados.h"
#include "TFrmConfig.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

// A program folder of its own for each test, the current directory: it holds the program's file
// (or, where that file is the running program's own path, a file of its name that stands for it),
// so the window finds its folder, Config and Cfg.inf there.
class JanelaTeste : public ::testing::Test {
protected:
    JanelaTeste();
    ~JanelaTeste() override;

    // Creates the window (running its start-up, which may ask the prepared questions) and shows
    // it, active, with focus working.
    void AbrirJanela(std::deque<bool> respostas = {}, const QString& arquivoInicial = {});

    QString Caminho(const QString& nome) const { return pasta_.filePath(nome); }
    // The program's file the window is given, as the system's rule names it (Plataforma.h).
    const QString& ArquivoDoProgramaDoTeste() const { return arquivoDoPrograma_; }
    std::string Bytes(const QString& nome) const;
    void Escrever(const QString& nome, const std::string& bytes) const;

    // Operator actions, through the controls.
    void Clicar(QWidget* controle);
    void SetaParaCima(QWidget* spin, int vezes = 1);
    void SetaParaBaixo(QWidget* spin, int vezes = 1);
    void Escolher(class TComboBox* lista, int indice);
    void Digitar(QWidget* controle, const QString& texto);
    void Focar(QWidget* controle);

    // What the window shows.
    bool Salvo() const;
    char Celula(int linha, int coluna) const;
    QRgb Pixel(int x, int y) const;

    DialogosRoteirizados* dialogos = nullptr;
    std::unique_ptr<TFrmConfig> janela;

private:
    QTemporaryDir pasta_;
    QString pastaAnterior_;
    QString arquivoDoPrograma_;
};
