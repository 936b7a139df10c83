#pragma once

#include <QString>
#include <array>

#include "reduction/ConditionKind.h"

namespace kestrel {

// The fixed texts of the document files: file kinds, header values, keys and block lines.
struct TpdFormat {
    static inline const QString kSoftware = QStringLiteral("Kestrel");
    static inline const QString kDataFileName = QStringLiteral("Data File (.tpd)");
    static inline const QString kJoukenFileName = QStringLiteral("Jouken File (.tpj)");
    static inline const QString kDataType = QStringLiteral("totoGOAL3");
    static inline const QString kJoukenDataType = QStringLiteral("totoGOAL3 Jouken");
    static constexpr int kDataVersion = 6;
    // Files of this data version and later carry their own vote block.
    static constexpr int kFirstVoteBlockVersion = 5;
    static constexpr int kProgressStep = 1001;
    static constexpr int kHeaderLines = 8;

    static inline const QString kKeySoftware = QStringLiteral("Software");
    static inline const QString kKeySoftVersion = QStringLiteral("SoftVersion");
    static inline const QString kKeyDataType = QStringLiteral("DataType");
    static inline const QString kKeyDataVersion = QStringLiteral("DataVersion");

    static inline const QString kKaisaikai = QStringLiteral("Kaisaikai");
    static inline const QString kKumi = QStringLiteral("Kumi");
    static inline const QString kVoteTime = QStringLiteral("VoteTime");
    static inline const QString kMulti = QStringLiteral("Multi");
    static inline const QString kHaitouEnabled = QStringLiteral("Haitou.Enabled");
    static inline const QString kHaitouFlag = QStringLiteral("Haitou.Flag");
    static inline const QString kHaitouMin = QStringLiteral("Haitou.Min");
    static inline const QString kHaitouMax = QStringLiteral("Haitou.Max");
    // "Haitou.Ev = <flag>|<minimum percent>", written only when it is not the default.
    static inline const QString kHaitouEv = QStringLiteral("Haitou.Ev");
    static inline const QString kTensho = QStringLiteral("Tensho");
    static inline const QString kMachigaiType = QStringLiteral("MachigaiType");
    static inline const QString kMachigaiList = QStringLiteral("MachigaiList");
    static inline const QString kMsEngine = QStringLiteral("MsEngine");
    static inline const QString kBeginCount = QStringLiteral("BeginCount");
    static inline const QString kEndCount = QStringLiteral("EndCount");
    static inline const QString kEndTime = QStringLiteral("EndTime");
    static inline const QString kExGrade2 = QStringLiteral("ExGrade2");
    static inline const QString kExGrade3 = QStringLiteral("ExGrade3");
    static inline const QString kSeBeginCount = QStringLiteral("SeBeginCount");
    static inline const QString kSeEndTime = QStringLiteral("SeEndTime");
    static inline const QString kChushutsuFlag = QStringLiteral("ChushutsuFlag");
    static inline const QString kChushutsuCount = QStringLiteral("ChushutsuCount");
    static inline const QString kChushutsuType = QStringLiteral("ChushutsuType");
    static inline const QString kMsSingleCount = QStringLiteral("MsSingleCount");
    static inline const QString kMsSingleFrame = QStringLiteral("MsSingleFrame");
    static inline const QString kMsTousen = QStringLiteral("MsTousen");
    static inline const QString kSingleCount = QStringLiteral("SingleCount");
    static inline const QString kSingleFrame = QStringLiteral("SingleFrame");

    static inline const QString kSingleOpen = QStringLiteral("<SingleData>");
    static inline const QString kSingleClose = QStringLiteral("</SingleData>");
    static inline const QString kSakugenOpen = QStringLiteral("<SakugenMessage>");
    static inline const QString kSakugenClose = QStringLiteral("</SakugenMessage>");
    static inline const QString kVoteOpen = QStringLiteral("<投票状況>");
    static inline const QString kVoteClose = QStringLiteral("</投票状況>");
    // The player's odds, after the vote block: six lines of four percentages. Readers that do
    // not know the block skip its lines (they hold no "=").
    static inline const QString kOddsOpen = QStringLiteral("<予想確率>");
    static inline const QString kOddsClose = QStringLiteral("</予想確率>");

    static constexpr std::array<ConditionKind, 3> kKinds = {
        ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark};

    // "Honmei.", "Ninki." or "Mark.".
    static QString GroupPrefix(ConditionKind kind) {
        switch (kind) {
        case ConditionKind::Ninki:
            return QStringLiteral("Ninki.");
        case ConditionKind::Mark:
            return QStringLiteral("Mark.");
        case ConditionKind::Honmei:
            break;
        }
        return QStringLiteral("Honmei.");
    }
};

} // namespace kestrel
