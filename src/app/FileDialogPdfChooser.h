#pragma once

#include <QString>
#include <utility>

#include "app/PdfPathChooser.h"

namespace kestrel {

// The save dialog of the desktop, starting in a folder (the documents folder, as the window's
// other file dialogs do) with the suggested name.
class FileDialogPdfChooser : public PdfPathChooser {
public:
    explicit FileDialogPdfChooser(QString folder = QString()) : m_folder(std::move(folder)) {}
    QString ChoosePdfPath(QWidget* parent, const QString& suggestedName) override;
    // Where the dialog starts: the suggested name inside the folder (an absolute name stays).
    QString StartPath(const QString& suggestedName) const;

private:
    QString m_folder;
};

} // namespace kestrel
