#pragma once

#include <cstdint>

namespace kestrel {

// The compression settings the main window fills before every run and documents store under the
// field names as keys. Defaults are those of a fresh document; Normalized() brings every field
// into its input range.
struct EngineSettings {
    // Compression method: 0 none (first-grade), 1 fast grade 2, 2 trial grade 2, 3 fast grade 3,
    // 4 trial grade 3, 5 count optimisation, 6 stronger search grade 2, 7 stronger search grade 3.
    int32_t MsEngine = 0;
    int32_t BeginCount = 100;  // 口から検索
    int32_t EndCount = 1;      // 口で検索終了
    int32_t EndTime = 0;       // seconds per trial size, 0 = no limit
    bool ExGrade2 = false;     // 購入対象を２等まで拡大
    bool ExGrade3 = false;     // 購入対象を３等まで拡大
    int32_t SeBeginCount = 10; // 口を最適化
    int32_t SeEndTime = 0;     // seconds, 0 = no limit
    bool ChushutsuFlag = false;
    int32_t ChushutsuCount = 10;
    int32_t ChushutsuType = 0; // 0 random, 1 high, 2 middle, 3 low payout

    static constexpr int32_t kMaxMethod = 7;
    static constexpr int32_t kMinCount = 1;
    static constexpr int32_t kMaxCount = 9999;
    static constexpr int32_t kMaxTime = 9999;
    static constexpr int32_t kMaxChushutsuType = 3;

    // True for the compression methods that exist (0..kMaxMethod). Documents with another
    // method are refused at load, and a run given one compresses nothing.
    static bool MethodExists(int32_t msEngine);
    // True when every field lies in its input range.
    bool IsValid() const;
    // A copy with every field clamped into its input range.
    EngineSettings Normalized() const;

    bool operator==(const EngineSettings&) const = default;
};

} // namespace kestrel
