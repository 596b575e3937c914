#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kelvrin::testing {

// Acts on the window that runs modally once it is up; if none comes within two seconds, the
// active modal window (if any) is closed so the test fails instead of hanging.
inline void ActOnModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, waited, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            poll->deleteLater();
            poll->stop();
            act(modal);
        } else if (++*waited > 200) {
            poll->deleteLater();
            poll->stop();
        }
    });
    poll->start(10);
}

}  // namespace kelvrin::testing
