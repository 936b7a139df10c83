#include <QFileDialog>

#include "app/FileDialogPdfChooser.h"

namespace kestrel {

QString FileDialogPdfChooser::ChoosePdfPath(QWidget* parent, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF ファイルに印刷"), suggestedName,
                                        QStringLiteral("PDF ファイル (*.pdf)"));
}

} // namespace kestrel
