#pragma once

#include <QWidget>

namespace kestrel {

// The small window shown while the main window loads.
class LoadingWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadingWindow(QWidget* parent = nullptr);
};

} // namespace kestrel
