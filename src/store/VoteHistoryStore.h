#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/VoteSnapshot.h"
#include "platform/ProgramPaths.h"

namespace kestrel {

// The vote status of a round over time: SysData/totoGOAL3_VoteHistory/, one file per round, one
// block per snapshot in fetch order:
//
//   [Snapshot]
//   FetchedAt = 2026/05/16 13:20:00
//   Final = 0
//   <投票状況> ... </投票状況>     (the vote status text of the XML store)
//
// Appending rewrites the file atomically with the old text unchanged in front, so a failed write
// never loses the snapshots already kept.
class VoteHistoryStore {
public:
    static const QString kFolder; // "totoGOAL3_VoteHistory"

    explicit VoteHistoryStore(ProgramPaths paths) : m_paths(std::move(paths)) {}

    QString FilePath(int32_t round) const;
    // Snapshots of the round in file order; true and none when there is no file yet.
    bool Load(int32_t round, std::vector<VoteSnapshot>& snapshots, QString* error = nullptr) const;
    // Any history file (the chart window opens one by name).
    static bool LoadFile(const QString& path, std::vector<VoteSnapshot>& snapshots,
                         QString* error = nullptr);
    bool Append(int32_t round, const VoteSnapshot& snapshot, QString* error = nullptr) const;

    static QString ToText(const VoteSnapshot& snapshot);
    // All or nothing: false with the reason (and snapshots unchanged) on a broken block.
    static bool ParseText(const QString& text, std::vector<VoteSnapshot>& snapshots,
                          QString* error = nullptr);

private:
    ProgramPaths m_paths;
};

} // namespace kestrel
