#include "app/BatchWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "platform/ErrorReporter.h"
#include "platform/Version.h"

namespace kestrel {

namespace {

constexpr int kPathColumnWidth = 300;
constexpr int kStateColumnWidth = 80;

} // namespace

BatchWindow::BatchWindow(ProgramPaths paths, SearchDriver& driver,
                         std::shared_ptr<FileDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_paths(std::move(paths)), m_dialogs(std::move(dialogs)),
      m_driver(driver) {
    if (!m_dialogs) {
        m_dialogs = std::make_shared<QtFileDialogs>(this);
    }
    setWindowTitle(QStringLiteral("連続実行"));
    m_list = new QTreeWidget;
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("ファイル名"), QStringLiteral("状 態")});
    m_list->setRootIsDecorated(false);
    // Long paths keep their file names in view.
    m_list->setTextElideMode(Qt::ElideLeft);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(0, kPathColumnWidth);
    m_list->setColumnWidth(1, kStateColumnWidth);
    setCentralWidget(m_list);
    BuildMenus();
    m_batch.SetRowObserver([this](int row) {
        // Called on the worker thread: the state is copied there and shown on the window's.
        const QString state = m_batch.Rows()[static_cast<size_t>(row)].State;
        QMetaObject::invokeMethod(
            this,
            [this, row, state] {
                if (QTreeWidgetItem* item = m_list->topLevelItem(row)) {
                    item->setText(1, state);
                }
            },
            Qt::QueuedConnection);
    });
    connect(&m_watcher, &QFutureWatcher<Outcome>::finished, this, &BatchWindow::OnFinished);
    // Wide enough for the list's two columns and for every menu command.
    resize(std::max(kPathColumnWidth + kStateColumnWidth + 40, menuBar()->sizeHint().width()), 300);
}

BatchWindow::~BatchWindow() {
    m_batch.Cancel();
    m_watcher.waitForFinished();
}

void BatchWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    m_add = bar->addAction(QStringLiteral("ファイルを追加(&A)"));
    m_remove = bar->addAction(QStringLiteral("ファイルを削除(&D)"));
    m_start = bar->addAction(QStringLiteral("実行開始(&S)"));
    m_stop = bar->addAction(QStringLiteral("実行中止(&E)"));
    m_close = bar->addAction(QStringLiteral("終了(&X)"));
    connect(m_add, &QAction::triggered, this, &BatchWindow::AddFiles);
    connect(m_remove, &QAction::triggered, this, &BatchWindow::RemoveFiles);
    connect(m_start, &QAction::triggered, this, &BatchWindow::Start);
    connect(m_stop, &QAction::triggered, this, &BatchWindow::Stop);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    SetRunning(false);
}

void BatchWindow::ShowRows() {
    m_list->clear();
    for (const BatchRun::Row& row : m_batch.Rows()) {
        m_list->addTopLevelItem(new QTreeWidgetItem({row.Path, row.State}));
    }
}

void BatchWindow::AddFiles() {
    if (Running()) {
        return;
    }
    const QStringList files =
        m_dialogs->OpenFiles(QStringLiteral("ファイルを開く"),
                             QStringLiteral("データファイル(*.tpd)"), m_paths.UserData());
    for (const QString& file : files) {
        m_batch.AddFile(file);
    }
    ShowRows();
}

void BatchWindow::RemoveFiles() {
    if (Running()) {
        return;
    }
    std::vector<bool> selected(m_batch.Rows().size(), false);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        selected[static_cast<size_t>(i)] = m_list->topLevelItem(i)->isSelected();
    }
    m_batch.RemoveRows(selected);
    ShowRows();
}

void BatchWindow::Start() {
    if (Running() || (m_startCheck && !m_startCheck())) {
        return;
    }
    SetRunning(true);
    emit Started();
    m_control.Reset();
    m_watcher.setFuture(QtConcurrent::run([this] {
        Outcome outcome;
        outcome.loaded = m_batch.Run(outcome.doc, m_driver, m_paths, m_control);
        return outcome;
    }));
}

void BatchWindow::Stop() {
    if (Running()) {
        m_batch.Cancel();
    }
}

void BatchWindow::OnFinished() {
    ShowRows();
    SetRunning(false);
    const Outcome outcome = m_watcher.result();
    emit Finished(outcome.doc, outcome.loaded);
}

void BatchWindow::SetRunning(bool running) {
    m_add->setEnabled(!running);
    m_remove->setEnabled(!running);
    m_start->setEnabled(!running);
    m_close->setEnabled(!running);
    m_stop->setEnabled(running);
}

void BatchWindow::closeEvent(QCloseEvent* event) {
    if (Running()) {
        ShowMessage(MessageIcon::Warning, QString::fromUtf8(kProductName), BatchRun::kBusyText);
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace kestrel
