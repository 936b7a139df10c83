#include "app/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

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

void QtMessageSink::Show(const Message& message) {
    if (OnGuiThread()) {
        return ShowHere(message);
    }
    QMetaObject::invokeMethod(
        qApp, [this, message] { ShowHere(message); }, Qt::BlockingQueuedConnection);
}

void QtMessageSink::ShowHere(const Message& message) {
    QMessageBox box(BoxIcon(message.icon), message.title, message.text, QMessageBox::Ok,
                    m_parent.data());
    box.exec();
}

PromptAnswer QtUserPrompt::Ask(const QString& title, const QString& text, PromptButtons buttons) {
    if (OnGuiThread()) {
        return AskHere(title, text, buttons);
    }
    PromptAnswer answer = PromptAnswer::Cancel;
    QMetaObject::invokeMethod(
        qApp, [&] { answer = AskHere(title, text, buttons); }, Qt::BlockingQueuedConnection);
    return answer;
}

PromptAnswer QtUserPrompt::AskHere(const QString& title, const QString& text,
                                   PromptButtons buttons) {
    QMessageBox box(QMessageBox::Question, title, text, BoxButtons(buttons), m_parent.data());
    return AnswerOf(box.exec());
}

} // namespace kestrel
