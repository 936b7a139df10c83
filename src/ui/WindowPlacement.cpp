#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kestrel {

void CentreOver(QWidget* window, const QWidget* over) {
    if (window == nullptr || over == nullptr) {
        return;
    }
    const QWidget* top = over->window();
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(top->geometry().center());
    QPoint corner = placed.topLeft();
    if (const QScreen* screen = top->screen()) {
        const QRect available = screen->availableGeometry();
        corner.setX(std::max(corner.x(), available.left()));
        corner.setY(std::max(corner.y(), available.top()));
    }
    window->move(corner);
}

} // namespace kestrel
