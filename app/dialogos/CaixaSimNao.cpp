#include "CaixaSimNao.h"

#include "Textos.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

CaixaSimNao::CaixaSimNao(const QString& texto, QWidget* pai)
    : QMessageBox(QMessageBox::NoIcon, Textos::TituloMensagens, texto, QMessageBox::NoButton, pai)
{
    QPushButton* sim = addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    nao_ = addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    sim_ = sim;
    setDefaultButton(sim);
}

void CaixaSimNao::keyPressEvent(QKeyEvent* evento)
{
    // QMessageBox would click its escape button, the "Não".
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QMessageBox::keyPressEvent(evento);
}

void CaixaSimNao::closeEvent(QCloseEvent* evento)
{
    // Answering hides the box without a close request, so every close request is refused.
    evento->ignore();
}
