#pragma once

#include <QString>

class QWidget;

namespace kestrel {

// Asks where a PDF print goes. The window uses a file dialog; tests hand in a fixed path.
class PdfPathChooser {
public:
    virtual ~PdfPathChooser() = default;
    // The chosen path, or empty when the user cancels.
    virtual QString ChoosePdfPath(QWidget* parent, const QString& suggestedName) = 0;
};

} // namespace kestrel
