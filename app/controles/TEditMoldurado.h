#pragma once

#include <QLineEdit>

// A line edit on a ground of its own colour with a plain one-pixel black frame: the look of the
// file-name box, drawn with the palette and one rectangle. A style sheet gives the same pixels but
// costs the start-up several milliseconds (Qt builds its style-sheet machinery for it).
class TEditMoldurado : public QLineEdit {
    Q_OBJECT
public:
    TEditMoldurado(const QColor& fundo, QWidget* pai);

protected:
    void paintEvent(QPaintEvent* evento) override;
};
