#include "net/AcquisitionDialogs.h"

#include "platform/ErrorReporter.h"
#include "platform/UserPrompt.h"

namespace kestrel {

namespace {

QString Title(const QString& kind) {
    return QLatin1Char(' ') + kind;
}

} // namespace

bool AcquisitionDialogs::AskYes(const QString& kind, const QString& text) {
    return CurrentUserPrompt()->Ask(Title(kind), text, PromptButtons::YesNo) == PromptAnswer::Yes;
}

bool AcquisitionDialogs::AskDownload(const QString& kind) {
    return AskYes(kind, QStringLiteral("インターネットより ") + kind +
                            QStringLiteral(" をダウンロードします。よろしいですか？"));
}

void AcquisitionDialogs::FalseDialog(int32_t round, const QString& kind, bool cancel,
                                     bool unpublished, const QString& reason) {
    if (cancel) {
        return;
    }
    if (unpublished) {
        ShowMessage(MessageIcon::Information, Title(kind),
                    QStringLiteral("第") + QString::number(round) + QStringLiteral("回 ") + kind +
                        QStringLiteral("は発表されていません。"));
        return;
    }
    QString text = QStringLiteral("インターネットよりダウンロードに失敗しました。");
    if (!reason.isEmpty()) {
        text += QStringLiteral("\r\n") + reason;
    }
    ShowMessage(MessageIcon::Warning, Title(kind), text);
}

} // namespace kestrel
