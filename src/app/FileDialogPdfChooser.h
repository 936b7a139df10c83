#pragma once

#include "app/PdfPathChooser.h"

namespace kestrel {

// The save dialog of the desktop.
class FileDialogPdfChooser : public PdfPathChooser {
public:
    QString ChoosePdfPath(QWidget* parent, const QString& suggestedName) override;
};

} // namespace kestrel
