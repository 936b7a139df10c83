#include "engines/CoverageCache.h"

#include <new>

#include "engines/BallTable.h"
#include "engines/EngineHost.h"
#include "engines/EngineLists.h"
#include "platform/ErrorReporter.h"
#include "platform/ExceptionText.h"

namespace kestrel {

namespace {

const QString kBuilding = QStringLiteral("キャッシュ構築中...");
const QString kCacheErrTitle = QStringLiteral("Cache Initialize Err");

} // namespace

bool CoverageCache::Build(const std::vector<int32_t>& candidates,
                          const std::vector<int32_t>& targets, int radius, EngineHost& host) {
    host.Sp();
    host.Msg(kBuilding, true, true);
    const auto count = static_cast<int32_t>(candidates.size());
    host.SetProgressMax(count - 1);
    try {
        std::array<bool, kSingleCount> isTarget{};
        for (const int32_t t : targets) {
            isTarget[t] = true;
        }
        const int ballSize = BallTable::Size(radius);
        m_candidates = candidates;
        m_indexMap.fill(-1);
        m_flat.clear();
        m_flat.reserve(static_cast<size_t>(count) * ballSize);
        m_runs.assign(static_cast<size_t>(count), Run{});
        const int step = EngineLists::CadenceStep(count);
        const BallTable& balls = BallTable::Instance();
        for (int32_t j = 0; j < count; ++j) {
            const int32_t c = candidates[j];
            m_indexMap[c] = j;
            const auto start = static_cast<int32_t>(m_flat.size());
            const uint16_t* ball = balls.Ball(radius, c);
            for (int i = 0; i < ballSize; ++i) {
                if (isTarget[ball[i]]) {
                    m_flat.push_back(ball[i]);
                }
            }
            m_runs[j] = Run{start, static_cast<int32_t>(m_flat.size()) - start};
            if ((j + 1) % step == 0) {
                host.SetProgress(j);
                if (host.StopRequested()) {
                    break;
                }
            }
        }
        m_flat.shrink_to_fit();
    } catch (const std::bad_alloc& e) {
        host.SetProgress(0);
        ShowMessage(MessageIcon::Error, kCacheErrTitle, ExceptionText::Of(e).Text());
        m_flat.clear();
        m_runs.clear();
        m_candidates.clear();
        return false;
    }
    host.SetProgress(0);
    return true;
}

size_t CoverageCache::MemoryBytes() const {
    return m_flat.capacity() * sizeof(uint16_t) + m_runs.capacity() * sizeof(Run) +
           m_candidates.capacity() * sizeof(int32_t) + sizeof(m_indexMap);
}

} // namespace kestrel
