#include "app/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QtGlobal>

namespace kestrel {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

bool OnGuiThread() {
    return QThread::currentThread() == qApp->thread();
}

QMessageBox::StandardButtons BoxButtons(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        break;
    }
    return QMessageBox::Yes | QMessageBox::No;
}

QMessageBox::StandardButton ButtonOf(PromptAnswer answer, PromptButtons buttons) {
    const bool okCancel = buttons == PromptButtons::OkCancel;
    switch (answer) {
    case PromptAnswer::No:
        return okCancel ? QMessageBox::Cancel : QMessageBox::No;
    case PromptAnswer::Cancel:
        return buttons == PromptButtons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
    case PromptAnswer::Yes:
    case PromptAnswer::Ok:
        break;
    }
    return okCancel ? QMessageBox::Ok : QMessageBox::Yes;
}

// The text for the box; a cut text is written whole to the log first.
QString BoxText(const Message& message) {
    const QString shown = MessageBoxText(message.text);
    if (shown.size() != message.text.size()) {
        qWarning().noquote() << message.title << ":" << message.text;
    }
    return shown;
}

PromptAnswer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

} // namespace

QString MessageBoxText(const QString& text) {
    int lineStart = 0;
    int lines = 1;
    for (int i = 0; i < text.size(); ++i) {
        const bool tooLong = i >= kMessageBoxLength || i - lineStart >= kMessageBoxLineLength;
        if (tooLong || lines > kMessageBoxLines) {
            return text.left(i) + QStringLiteral("…");
        }
        if (text[i] == QLatin1Char('\n')) {
            lineStart = i + 1;
            ++lines;
        }
    }
    return text;
}

void QtMessageSink::Show(const Message& message) {
    if (OnGuiThread()) {
        return ShowHere(message);
    }
    QMetaObject::invokeMethod(
        qApp, [this, message] { ShowHere(message); }, Qt::BlockingQueuedConnection);
}

void QtMessageSink::ShowHere(const Message& message) {
    QMessageBox box(BoxIcon(message.icon), message.title, BoxText(message), QMessageBox::Ok,
                    m_parent.data());
    box.exec();
}

PromptAnswer QtUserPrompt::Ask(const QString& title, const QString& text, PromptButtons buttons,
                               PromptAnswer preselected) {
    if (OnGuiThread()) {
        return AskHere(title, text, buttons, preselected);
    }
    PromptAnswer answer = PromptAnswer::Cancel;
    QMetaObject::invokeMethod(
        qApp, [&] { answer = AskHere(title, text, buttons, preselected); },
        Qt::BlockingQueuedConnection);
    return answer;
}

PromptAnswer QtUserPrompt::AskHere(const QString& title, const QString& text, PromptButtons buttons,
                                   PromptAnswer preselected) {
    QMessageBox box(QMessageBox::Question, title, BoxText({MessageIcon::Question, title, text}),
                    BoxButtons(buttons), m_parent.data());
    box.setDefaultButton(ButtonOf(preselected, buttons));
    return AnswerOf(box.exec());
}

} // namespace kestrel
