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
// never deletes what it gave. A drag of addresses that are no card file to open is taken too, so
// that its drop says why instead of showing only the no-drop cursor. Other drags are left to the
// controls.
class SoltarArquivo : public QObject {
public:
    // Both run after the drop has ended, so that they may ask questions: `abrir` with the file,
    // `avisar` with the reason a drop was refused.
    SoltarArquivo(QWidget* janela, std::function<void(const QString&)> abrir, std::function<void(const QString&)> avisar);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    std::function<void(const QString&)> abrir_;
    std::function<void(const QString&)> avisar_;
};
