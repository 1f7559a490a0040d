#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TImagemCartao;

// One cell of the card picture as assistive technology sees it: a child of the picture, named
// as a screen reader says it ("Linha 12, coluna 3, grupo 2: lida"). The cursor cell is the
// focused child while the picture has the focus, so a screen reader speaks each cursor move as
// a focus change and each toggle as a name change of the focused object. A cell is a small image:
// Orca drops name changes of list items and table cells as web-page noise.
class AcessivelCelula : public QAccessibleInterface {
public:
    AcessivelCelula(TImagemCartao* imagem, int indice);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text tipo) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QPointer<TImagemCartao> imagem_;
    int indice_;  // 0-based: (line - 1) * 12 + (column - 1)
};
