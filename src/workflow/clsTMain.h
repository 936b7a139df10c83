#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/ResultRecord.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"
#include "workflow/RoundDownload.h"
#include "workflow/RoundRecordSource.h"

namespace kestrel {

// The round selector: the round (開催回) the user works on and its stored schedule, vote status
// and result. Every round change reloads the three records from the record source and announces
// the change; nothing is announced before Initialize. The window binds its round box (0..9999)
// and group box to SetKaisaikai and SetKumiIndex.
class clsTMain {
public:
    // Raised after every reload with the round and the group text.
    using ChangeHandler = std::function<void(int32_t lngKaisaikai, const QString& kumi)>;

    static constexpr int32_t kMinKaisaikai = 0;
    static constexpr int32_t kMaxKaisaikai = 9999;
    // Entries of the group box; the choice only reloads the round.
    static const QStringList kKumiNames; // "Ａ組", "Ｂ組"

    explicit clsTMain(std::shared_ptr<RoundRecordSource> source);

    void SetKaisaikaiChange(ChangeHandler handler) { m_change = std::move(handler); }

    // Round 0, the first group selected; from now on round changes are announced.
    void Initialize();
    // Takes the round (kept in 0..9999) and reloads.
    void SetKaisaikai(int32_t lngKaisaikai);
    // A click on the group box: selects the entry and reloads.
    void SetKumiIndex(int index);

    int32_t Kaisaikai() const { return m_kaisaikai; }
    // The group text used for look-ups: always empty for this game.
    QString Kumi() const { return QString(); }
    int KumiIndex() const { return m_kumiIndex; }
    bool Initialized() const { return m_initialized; }
    // The round is marked as not held in its schedule.
    bool NotHeld() const { return m_notHeld; }

    bool CheckScheduleFile() const;
    bool CheckVoteFile() const;
    bool CheckResultFile() const;

    const ScheduleRecord& Schedule() const { return m_schedule; }
    const VoteRecord& Vote() const { return m_vote; }
    const ResultRecord& Result() const { return m_result; }
    // A loaded document brings its own vote status.
    void SetVote(const VoteRecord& vote) { m_vote = vote; }

    // How a reload treats the held vote status: replace it (empty when no file), keep it when no
    // file is found, or leave it unchanged.
    enum class VoteReload { Replace, KeepWhenMissing, Skip };
    void Reload(VoteReload mode = VoteReload::Replace);

    // Takes a finished download of the current round and announces the change: the downloaded
    // record is held as it came (interim vote figures are never stored, and a schedule or result
    // that could not be stored is still used); the other records are reread as a reload after
    // that kind of download does. A failed download or one of another round changes nothing.
    void ApplyDownload(const DownloadOutcome& outcome);

private:
    // Rereads the round's stored records; keepUnstored keeps a held schedule or result that the
    // store does not have (after a download of the same round).
    void LoadRecords(VoteReload mode, bool keepUnstored);
    void SetHeldSchedule(const ScheduleRecord& schedule);
    void Announce();

    std::shared_ptr<RoundRecordSource> m_source;
    ChangeHandler m_change;
    int32_t m_kaisaikai = 0;
    int m_kumiIndex = 0;
    bool m_initialized = false;
    bool m_notHeld = false;
    ScheduleRecord m_schedule;
    VoteRecord m_vote;
    ResultRecord m_result;
};

} // namespace kestrel
