#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// The one local file a drag carries, or nothing: several files, remote places and plain text
// are not card files to open.
std::optional<QString> ArquivoLocalUnico(const QMimeData* dados);

// Lets a window take a card file dropped anywhere on it, edit boxes included (they would
// otherwise take the file's address as text). Other drags are left to the controls.
class SoltarArquivo : public QObject {
public:
    // `abrir` runs after the drop has ended, so that it may ask questions.
    SoltarArquivo(QWidget* janela, std::function<void(const QString&)> abrir);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    std::function<void(const QString&)> abrir_;
};
