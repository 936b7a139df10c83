#include <QDir>
#include <QFileDialog>

#include "app/FileDialogPdfChooser.h"

namespace kestrel {

QString FileDialogPdfChooser::ChoosePdfPath(QWidget* parent, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF ファイルに印刷"),
                                        StartPath(suggestedName),
                                        QStringLiteral("PDF ファイル (*.pdf)"));
}

QString FileDialogPdfChooser::StartPath(const QString& suggestedName) const {
    if (m_folder.isEmpty() || QDir::isAbsolutePath(suggestedName)) {
        return suggestedName;
    }
    return QDir(m_folder).filePath(suggestedName);
}

} // namespace kestrel
