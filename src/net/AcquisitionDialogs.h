#pragma once

#include <QString>
#include <cstdint>

namespace kestrel {

// The questions and messages the three acquisition controllers share.
struct AcquisitionDialogs {
    // Get flags: load the round's file if it exists; download the page when nothing was loaded.
    static constexpr int kLoadFile = 1;
    static constexpr int kDownload = 2;

    // "インターネットより <kind> をダウンロードします。よろしいですか？"; true on Yes.
    static bool AskDownload(const QString& kind);
    // Why the last get gave no usable data: silent when the user declined, an information box
    // when the page is not published, else the download failure warning, with the reason as its
    // second line when there is one.
    static void FalseDialog(int32_t round, const QString& kind, bool cancel, bool unpublished,
                            const QString& reason = QString());
    // A Yes/No question under the controller's title (" " + kind).
    static bool AskYes(const QString& kind, const QString& text);
};

} // namespace kestrel
