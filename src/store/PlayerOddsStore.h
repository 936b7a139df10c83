#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "core/PlayerOdds.h"
#include "platform/ProgramPaths.h"

namespace kestrel {

// The player's odds of each round in SysData/totoGOAL3_MyOdds/ (one file per round, in the
// text form of PlayerOdds), so that they outlive the document they were made in.
class PlayerOddsStore {
public:
    explicit PlayerOddsStore(ProgramPaths paths) : m_paths(std::move(paths)) {}

    QString FilePath(int32_t round) const;
    // The round's odds; empty when there is no file or it does not read (error says why).
    std::optional<PlayerOdds> Load(int32_t round, QString* error = nullptr) const;
    // Writes the round's file atomically; false with the reason in error.
    bool Save(int32_t round, const PlayerOdds& odds, QString* error = nullptr) const;

private:
    ProgramPaths m_paths;
};

} // namespace kestrel
