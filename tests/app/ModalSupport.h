#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace kestrel::test {

// Acts on the next modal window (a message box, a file dialog) once it is shown, from within its
// own event loop; gives up after about five seconds. The action must close the window.
inline void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && ++*tries < 500) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (modal != nullptr) {
            act(modal);
        }
    });
    timer->start(10);
}

} // namespace kestrel::test
