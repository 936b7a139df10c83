#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "ModalSupport.h"
#include "app/FileDialogPdfChooser.h"
#include "app/QtTranslations.h"

namespace kestrel {
namespace {

// Qt's own buttons and dialogs speak Japanese once the program's start-up has loaded Qt's
// translations.
TEST(QtDialogs, QtsOwnTextsAreJapanese) {
    ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("キャンセル")));
}

// The PDF file dialog starts in the documents folder with the suggested name.
TEST(QtDialogs, PdfChooserStartsInTheDocumentsFolder) {
    QTemporaryDir folder;
    FileDialogPdfChooser chooser(folder.path());
    QString shownFolder;
    QStringList shownFiles;
    test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shownFolder = dialog->directory().absolutePath();
        shownFiles = dialog->selectedFiles();
        dialog->reject();
    });
    EXPECT_TRUE(chooser.ChoosePdfPath(nullptr, QStringLiteral("KST-1555.pdf")).isEmpty());
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
    ASSERT_EQ(shownFiles.size(), 1);
    EXPECT_EQ(QFileInfo(shownFiles[0]).fileName(), QStringLiteral("KST-1555.pdf"));
}

} // namespace
} // namespace kestrel
