#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/MarkTable.h"
#include "core/PlayerOdds.h"
#include "core/VoteRecord.h"
#include "core/clsTProbability.h"
#include "engines/EngineSettings.h"
#include "platform/DateTime.h"
#include "reduction/ConditionSet.h"

namespace kestrel {

// The working document as one plain value: what a data file (.tpd) stores, and what the main
// window, the search driver and the batch run hand around. A condition file (.tpj) stores only
// Conditions. The default value is a new document.
struct DocumentRecord {
    int32_t Kaisaikai = 0;     // round number ("Kaisaikai")
    QString Kumi;              // group text ("Kumi"; read, never written)
    DateTime VoteTime;         // as-of time of the vote status ("VoteTime"; older files only)
    MarkTable Multi{};         // mark codes of the multi ("Multi")
    ConditionSet Conditions;   // "Haitou.*", "Honmei.N", "Ninki.N", "Mark.N", "Tensho", "Machigai*"
    EngineSettings Settings;   // "MsEngine" .. "ChushutsuType"
    int32_t MsSingleCount = 0; // singles before compression ("MsSingleCount")
    CountTable MsSingleFrame{}; // frame before compression ("MsSingleFrame")
    TousenCounts MsTousen{};    // hit figures of the compressed list ("MsTousen")
    CountTable SingleFrame{};   // frame of the single list ("SingleFrame")
    // The single list (single numbers 0..4095) in list order; its size is "SingleCount".
    std::vector<int32_t> Singles;
    // The reduction report: the message-log lines, each followed by CR LF ("<SakugenMessage>").
    QString SakugenMessage;
    VoteRecord Vote; // the vote status the document was made with ("<投票状況>")
    // The player's odds ("<予想確率>"); none in older files, and then the vote rates serve.
    std::optional<PlayerOdds> Odds;

    int32_t SingleCount() const { return static_cast<int32_t>(Singles.size()); }
};

} // namespace kestrel
