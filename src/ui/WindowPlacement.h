#pragma once

class QWidget;

namespace kestrel {

// Moves a secondary window so that it stands centred over the top-level window of `over`, its
// title bar kept below the top of that window's screen.
void CentreOver(QWidget* window, const QWidget* over);

} // namespace kestrel
