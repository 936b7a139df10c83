#include "engines/clsTMsEngine.h"

#include <algorithm>
#include <exception>
#include <numeric>

#include "core/clsTMoney.h"
#include "core/clsTProbability.h"
#include "engines/EngineLists.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine2.h"
#include "engines/clsTMsEngine3.h"
#include "engines/clsTMsEngine4.h"
#include "platform/ExceptionText.h"
#include "platform/RandomSource.h"

namespace kestrel {

namespace {

const QString kEngineErrTitle = QStringLiteral("MsEngine Err");
const QString kChushutsuLabel = QStringLiteral("抽出");
const QString kBadSingle = QStringLiteral("範囲外のシングル番号があるため圧縮できません");
const QString kKeptList = QStringLiteral("圧縮結果がないため元のシングルを残します");

} // namespace

QString clsTMsEngine::MethodCaption(int32_t msEngine) {
    static const QString captions[] = {
        QStringLiteral("１等保証（削減圧縮をしない）"),
        QStringLiteral("２等保証　高速検索エンジン"),
        QStringLiteral("２等保証　試行検索エンジン"),
        QStringLiteral("３等保証　高速検索エンジン"),
        QStringLiteral("３等保証　試行検索エンジン"),
        QStringLiteral("保証無し　口数最適化エンジン"),
        QStringLiteral("２等保証　強化検索エンジン"),
        QStringLiteral("３等保証　強化検索エンジン"),
    };
    return EngineSettings::MethodExists(msEngine) ? captions[msEngine] : QString();
}

QString clsTMsEngine::ChushutsuCaption(int32_t chushutsuType) {
    static const QString captions[] = {
        QStringLiteral("ランダムで抽出"),
        QStringLiteral("高額配当から抽出"),
        QStringLiteral("中間配当から抽出"),
        QStringLiteral("低額配当から抽出"),
    };
    return chushutsuType >= 0 && chushutsuType <= EngineSettings::kMaxChushutsuType
               ? captions[chushutsuType]
               : QString();
}

clsTMsEngine::clsTMsEngine() : m_clock(CurrentClock()) {
    RandomSource::SeedFromClockOnce();
}

clsTMsEngine::~clsTMsEngine() = default;

void clsTMsEngine::Initialize(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_log = log;
    m_control = control;
    m_clock = clock ? std::move(clock) : CurrentClock();
}

void clsTMsEngine::SetVote(const VoteRecord& vote) {
    m_vote = vote;
}

clsTMsEngine::EngineKind clsTMsEngine::ActiveEngine() const {
    std::lock_guard lock(m_activeMutex);
    return m_activeKind;
}

template <class Engine> void clsTMsEngine::SetActive(EngineKind kind, Engine* engine) {
    std::lock_guard lock(m_activeMutex);
    m_activeKind = kind;
    m_fast = nullptr;
    m_trial = nullptr;
    m_optimiser = nullptr;
    m_stronger = nullptr;
    if constexpr (std::is_same_v<Engine, clsTMsEngine1>) {
        m_fast = engine;
    } else if constexpr (std::is_same_v<Engine, clsTMsEngine2>) {
        m_trial = engine;
    } else if constexpr (std::is_same_v<Engine, clsTMsEngine3>) {
        m_optimiser = engine;
    } else if constexpr (std::is_same_v<Engine, clsTMsEngine4>) {
        m_stronger = engine;
    }
    if (engine != nullptr && m_stopPending) {
        engine->EngineStop();
    }
}

void clsTMsEngine::EnginePause(bool paused) {
    std::lock_guard lock(m_activeMutex);
    if (m_trial != nullptr) {
        m_trial->EnginePause(paused);
    } else if (m_optimiser != nullptr) {
        m_optimiser->EnginePause(paused);
    } else if (m_stronger != nullptr) {
        m_stronger->EnginePause(paused);
    }
}

void clsTMsEngine::EngineStop() {
    std::lock_guard lock(m_activeMutex);
    if (!m_run) {
        return;
    }
    if (m_fast != nullptr) {
        m_fast->EngineStop();
    } else if (m_trial != nullptr) {
        m_trial->EngineStop();
    } else if (m_optimiser != nullptr) {
        m_optimiser->EngineStop();
    } else if (m_stronger != nullptr) {
        m_stronger->EngineStop();
    } else {
        m_stopPending = true;
    }
}

void clsTMsEngine::EngineRun(std::vector<int32_t>& lngSingle, const EngineSettings& settings,
                             const MarkTable& marks, std::vector<int32_t>& lngTousen) {
    {
        std::lock_guard lock(m_activeMutex);
        m_stopPending = false;
        m_run = true;
    }
    const EngineSettings s = settings.Normalized();
    try {
        lngTousen.clear();
        if (!EngineLists::AllSingles(lngSingle)) {
            // Indexing the engines' tables by such a number would run off their ends.
            m_error.Report(QStringLiteral("EngineRun"), kBadSingle);
        } else {
            const std::vector<int32_t> original = lngSingle;
            RunEngine(lngSingle, s, marks);
            if (lngSingle.empty() && !original.empty()) {
                // A stopped engine may hand back nothing; the list it was given covers itself,
                // so it stays rather than being replaced by an empty one.
                lngSingle = original;
                if (m_log != nullptr) {
                    m_log->Msg(kKeptList, true, true);
                }
            }
            if (s.ChushutsuFlag) {
                Extract(lngSingle, s);
            }
            lngTousen.clear();
            if ((s.MsEngine != 0 || s.ChushutsuFlag) && !original.empty() && !lngSingle.empty()) {
                lngTousen.assign(kTousenCount, 0);
                clsTProbability probability;
                probability.GetTousen(original, lngSingle, lngTousen);
            }
        }
    } catch (const std::exception& e) {
        ShowMessage(MessageIcon::Error, kEngineErrTitle, ExceptionText::Of(e).Text());
    }
    std::lock_guard lock(m_activeMutex);
    m_activeKind = EngineKind::None;
    m_fast = nullptr;
    m_trial = nullptr;
    m_optimiser = nullptr;
    m_stronger = nullptr;
    m_run = false;
}

void clsTMsEngine::RunEngine(std::vector<int32_t>& lngSingle, const EngineSettings& settings,
                             const MarkTable& marks) {
    struct ActiveReset {
        clsTMsEngine* frame;
        ~ActiveReset() { frame->SetActive<clsTMsEngine1>(EngineKind::None, nullptr); }
    };
    switch (settings.MsEngine) {
    case 1:
    case 3: {
        auto engine = std::make_unique<clsTMsEngine1>();
        engine->Initialize(m_log, m_control, m_clock);
        SetActive(EngineKind::Fast, engine.get());
        const ActiveReset reset{this};
        engine->EngineStart(lngSingle, settings.MsEngine == 1 ? 2 : 3);
        lngSingle = engine->SingleData();
        break;
    }
    case 2:
    case 4: {
        auto engine = std::make_unique<clsTMsEngine2>();
        engine->Initialize(m_log, m_control, m_clock);
        SetActive(EngineKind::Trial, engine.get());
        const ActiveReset reset{this};
        engine->EngineStart(lngSingle, settings.MsEngine == 2 ? 2 : 3, settings, marks);
        lngSingle = engine->SingleData();
        break;
    }
    case 5: {
        auto engine = std::make_unique<clsTMsEngine3>();
        engine->Initialize(m_log, m_control, m_clock);
        SetActive(EngineKind::Optimisation, engine.get());
        const ActiveReset reset{this};
        engine->EngineStart(lngSingle, settings);
        lngSingle = engine->SingleData();
        break;
    }
    case 6:
    case 7: {
        auto engine = std::make_unique<clsTMsEngine4>();
        engine->Initialize(m_log, m_control, m_clock);
        SetActive(EngineKind::Stronger, engine.get());
        const ActiveReset reset{this};
        engine->EngineStart(lngSingle, settings.MsEngine == 6 ? 2 : 3, settings, marks);
        lngSingle = engine->SingleData();
        break;
    }
    default:
        break;
    }
}

void clsTMsEngine::Extract(std::vector<int32_t>& lngSingle, const EngineSettings& settings) {
    const auto n = static_cast<int32_t>(lngSingle.size());
    const int32_t k = settings.ChushutsuCount;
    if (k >= n) {
        return;
    }
    std::vector<int32_t> pool = std::move(lngSingle);
    lngSingle.clear();
    lngSingle.reserve(static_cast<size_t>(k));
    if (m_log != nullptr) {
        m_log->Sp();
        m_log->CompMsg(kChushutsuLabel, n, 0, false);
    }
    if (settings.ChushutsuType == 0) {
        // k distinct positions of the pool, in draw order.
        for (int32_t i = 0; i < k; ++i) {
            const auto size = static_cast<int32_t>(pool.size());
            const auto j = std::min(static_cast<int32_t>(RandomSource::Next() * size), size - 1);
            lngSingle.push_back(pool[j]);
            pool[j] = pool.back();
            pool.pop_back();
        }
    } else {
        for (const size_t position : ChooseByPayout(pool, k, settings.ChushutsuType)) {
            lngSingle.push_back(pool[position]);
        }
    }
    if (m_log != nullptr) {
        m_log->CompMsg(kChushutsuLabel, n, static_cast<int64_t>(lngSingle.size()), true);
    }
}

std::vector<size_t> clsTMsEngine::ChooseByPayout(const std::vector<int32_t>& pool, int32_t k,
                                                 int32_t type) const {
    clsTMoney money;
    money.SetVote(m_vote);
    std::vector<Money> prize(pool.size());
    for (size_t i = 0; i < pool.size(); ++i) {
        prize[i] = money.GetMoney1No(pool[i]);
    }
    std::vector<size_t> order(pool.size());
    std::iota(order.begin(), order.end(), size_t{0});
    // Stable sorts keep list order among equal estimates.
    if (type == 1) {
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return prize[a] > prize[b]; });
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return prize[a] < prize[b]; });
    }
    const size_t count = static_cast<size_t>(k);
    const size_t first = type == 2 ? (pool.size() - count) / 2 : 0;
    std::vector<size_t> chosen(order.begin() + static_cast<std::ptrdiff_t>(first),
                               order.begin() + static_cast<std::ptrdiff_t>(first + count));
    // The kept singles stay in list order.
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

} // namespace kestrel
