#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kelvrin::testing {

// Acts on the next window that runs modally (or pops up) once it is there, so that a test that
// opens one with exec() never hangs: after a few seconds the wait gives up.
inline void WhenWindowAppears(std::function<void(QWidget*)> act,
                              std::function<QWidget*()> find = [] { return QApplication::activeModalWidget(); }) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, act, find] {
        QWidget* window = find();
        if (window == nullptr && clock->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (window != nullptr) act(window);
    });
    poll->start(10);
}

}  // namespace kelvrin::testing
