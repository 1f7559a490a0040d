#pragma once

// A top-level window shown and active, so that keyboard focus, accelerators and mouse presses
// behave as they do on screen, plus a log of the events the controls raise, in order.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

struct JanelaDeTeste {
    std::vector<std::string> eventos;  // declared first: it outlives the window's teardown
    QWidget janela;

    JanelaDeTeste() { janela.resize(420, 300); }

    // Call through ASSERT_TRUE: focus tests mean nothing in an inactive window.
    bool Mostrar()
    {
        janela.show();
        QApplication::setActiveWindow(&janela);
        janela.activateWindow();
        return QTest::qWaitForWindowActive(&janela);
    }

    void Anotar(const std::string& evento) { eventos.push_back(evento); }
};
