#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// What a drag brings the window: the one local card file it carries, or why it cannot be
// opened (several files, a folder, a place on another computer). A drag without addresses
// (plain text) is neither, and is left to the controls.
struct Soltura {
    std::optional<QString> Arquivo;  // its name's bytes kept (see CaminhoDoSistema.h)
    QString Recusa;
};
Soltura AnalisarSoltura(const QMimeData* dados);

// Lets a window take a card file dropped anywhere on it, edit boxes included (they would
// otherwise take the file's address as text). The drop is always a copy: the drag source
// never deletes what it gave. Other drags are left to the controls.
class SoltarArquivo : public QObject {
public:
    // `abrir` runs after the drop has ended, so that it may ask questions.
    SoltarArquivo(QWidget* janela, std::function<void(const QString&)> abrir);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    std::function<void(const QString&)> abrir_;
};

// The other half: a drag of addresses that are no card file to open is taken too, so that its
// drop says why (`avisar`, after the drop has ended) instead of showing only the no-drop cursor,
// and no edit box takes the addresses as text.
class RecusarSoltura : public QObject {
public:
    RecusarSoltura(QWidget* janela, std::function<void(const QString&)> avisar);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    std::function<void(const QString&)> avisar_;
};
