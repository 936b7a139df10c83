#include "ui/MessageLogView.h"

#include <QFontDatabase>
#include <QMetaObject>
#include <QVBoxLayout>

namespace kestrel {

MessageLogView::MessageLogView(clsTMsg& log, QWidget* parent)
    : QWidget(parent), m_log(log), m_list(new QListWidget(this)),
      m_progress(new QProgressBar(this)) {
    // A fixed-pitch face whose full-width characters are two columns wide, so that the step
    // lines padded by Shift_JIS columns line up.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies({QStringLiteral("IPAGothic"), mono.family()});
    mono.setPointSize(10);
    m_list->setFont(mono);
    m_list->setUniformItemSizes(true);
    m_list->setAccessibleName(QStringLiteral("メッセージ"));
    m_progress->setTextVisible(false);
    m_progress->setMaximumHeight(14);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_progress);
    m_log.SetObserver([this](clsTMsg::Change) { Post(); });
    Refresh();
}

MessageLogView::~MessageLogView() {
    m_log.SetObserver({});
}

void MessageLogView::Post() {
    if (m_pending.exchange(true)) {
        return;
    }
    QMetaObject::invokeMethod(
        this, [this] { Refresh(); }, Qt::QueuedConnection);
}

void MessageLogView::Refresh() {
    m_pending = false;
    RefreshLines();
    const int maximum = m_log.Max();
    m_progress->setMaximum(maximum > 0 ? maximum : 100);
    m_progress->setValue(std::clamp(m_log.Value(), 0, m_progress->maximum()));
}

void MessageLogView::RefreshLines() {
    const QStringList lines = m_log.Lines();
    const int count = static_cast<int>(lines.size());
    bool changed = false;
    while (m_list->count() > count) {
        delete m_list->takeItem(m_list->count() - 1);
        changed = true;
    }
    for (int i = 0; i < count; ++i) {
        if (i < m_list->count()) {
            QListWidgetItem* item = m_list->item(i);
            if (item->text() != lines[i]) {
                item->setText(lines[i]);
                changed = true;
            }
        } else {
            m_list->addItem(lines[i]);
            changed = true;
        }
    }
    if (changed) {
        SelectLast();
    }
}

void MessageLogView::SelectLast() {
    if (m_list->count() > 0) {
        m_list->setCurrentRow(m_list->count() - 1);
        m_list->scrollToBottom();
    }
}

} // namespace kestrel
