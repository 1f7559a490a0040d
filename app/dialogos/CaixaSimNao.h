#pragma once

#include <QMessageBox>

// The Yes/No question captioned "Erro!". It has no third answer: Escape, the title-bar close and
// Alt+F4 do nothing, where Qt would take them as "Não" and drop the operator's changes. Only Sim or
// Não (mouse, Enter on the focused button, Alt+S, Alt+N) closes it, at once: an accelerator does
// not wait for Qt's 100 ms click animation.
class CaixaSimNao : public QMessageBox {
    Q_OBJECT

public:
    CaixaSimNao(const QString& texto, QWidget* pai = nullptr);

    QAbstractButton* BotaoSim() const { return sim_; }
    QAbstractButton* BotaoNao() const { return nao_; }
    bool RespondeuSim() const { return clickedButton() == sim_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    QAbstractButton* sim_ = nullptr;
    QAbstractButton* nao_ = nullptr;
};
