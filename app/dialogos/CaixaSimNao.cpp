#include "CaixaSimNao.h"

#include "AparenciaDoSistema.h"
#include "AtalhoImediato.h"
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
    setFont(FonteDasMensagens());
    sim_->installEventFilter(this);
    nao_->installEventFilter(this);
}

bool CaixaSimNao::eventFilter(QObject* objeto, QEvent* evento)
{
    if ((objeto == sim_ || objeto == nao_) && TratarAtalhoImediato(*static_cast<QAbstractButton*>(objeto), evento))
        return true;
    return QMessageBox::eventFilter(objeto, evento);
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
