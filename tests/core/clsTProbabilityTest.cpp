#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/clsTCount.h"
#include "core/clsTMeisai.h"
#include "core/clsTNumber.h"
#include "core/clsTProbability.h"

using namespace kestrel;

namespace {

// Hit counts by brute force over the distances.
TousenCounts BruteForce(const std::vector<int32_t>& multi, const std::vector<int32_t>& single) {
    TousenCounts t{};
    t[0] = static_cast<int32_t>(multi.size());
    for (int32_t c : multi) {
        bool d[3] = {false, false, false};
        for (int32_t s : single) {
            const int dist = clsTNumber::Distance(c, s);
            if (dist <= 2) {
                d[dist] = true;
            }
        }
        t[1] += d[0];
        t[2] += d[1];
        t[3] += d[2];
        t[4] += d[0] || d[1];
        t[5] += d[0] || d[1] || d[2];
    }
    return t;
}

} // namespace

TEST(clsTProbability, CountsHitsOnTheExamples) {
    clsTProbability prob;
    TousenCounts t{};
    prob.GetTousen(std::vector<int32_t>{0, 1}, std::vector<int32_t>{1}, t);
    EXPECT_EQ(t, (TousenCounts{2, 1, 1, 0, 2, 2}));

    prob.GetTousen(std::vector<int32_t>{77}, std::vector<int32_t>{}, t);
    EXPECT_EQ(t, (TousenCounts{1, 0, 0, 0, 0, 0}));

    // A candidate equal to one single and one difference from another counts in 1 and 2, once in 4.
    prob.GetTousen(std::vector<int32_t>{5, 5}, std::vector<int32_t>{5, 4, 5}, t);
    EXPECT_EQ(t, (TousenCounts{2, 2, 2, 0, 2, 2}));

    // The work table is cleared between calls.
    prob.GetTousen(std::vector<int32_t>{5}, std::vector<int32_t>{4095}, t);
    EXPECT_EQ(t, (TousenCounts{1, 0, 0, 0, 0, 0}));

    std::vector<int32_t> all(4096);
    for (int i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    prob.GetTousen(all, all, t);
    EXPECT_EQ(t, (TousenCounts{4096, 4096, 4096, 4096, 4096, 4096}));

    // Out-of-range numbers are never hits; they still count as candidates.
    prob.GetTousen(std::vector<int32_t>{-1, 4096, 3}, std::vector<int32_t>{-7, 3, 9999}, t);
    EXPECT_EQ(t, (TousenCounts{3, 1, 0, 0, 1, 1}));

    std::vector<int32_t> out{9};
    prob.GetTousen(std::vector<int32_t>{0, 1}, std::vector<int32_t>{1}, out);
    EXPECT_EQ(out, (std::vector<int32_t>{2, 1, 1, 0, 2, 2}));
}

TEST(clsTProbability, AgreesWithDistancesOnRandomLists) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int32_t> pick(0, 4095);
    clsTProbability prob;
    for (int round = 0; round < 20; ++round) {
        std::vector<int32_t> multi(300 + round * 10);
        std::vector<int32_t> single(1 + round * 3);
        for (auto& v : multi) {
            v = pick(rng);
        }
        for (auto& v : single) {
            v = pick(rng);
        }
        TousenCounts t{};
        prob.GetTousen(multi, single, t);
        ASSERT_EQ(t, BruteForce(multi, single)) << round;
    }
}

TEST(clsTMeisai, PercentagesAndRowTexts) {
    clsTMeisai panel;
    int redraws = 0;
    panel.SetRedrawHandler([&] { ++redraws; });

    // Compressed list equal to the candidates.
    const std::vector<int32_t> full{4, 4, 4, 4, 4, 4};
    panel.SetTousen(full);
    EXPECT_EQ(panel.ValueText(10), QStringLiteral(" 100.00%"));
    EXPECT_EQ(panel.ValueColour(10), CellFore::Blue);
    EXPECT_EQ(panel.ValueText(13), QStringLiteral(" 100.00%"));
    EXPECT_EQ(panel.ValueText(14), QStringLiteral(" 100.00%"));

    const std::vector<int32_t> two{2, 1, 1, 0, 2, 2};
    panel.SetTousen(two);
    EXPECT_EQ(panel.ValueText(10), QStringLiteral("  50.00%"));
    EXPECT_EQ(panel.ValueColour(10), CellFore::Black);
    EXPECT_EQ(panel.ValueText(11), QStringLiteral("  50.00%"));
    EXPECT_EQ(panel.ValueText(12), QStringLiteral("   0.00%"));
    EXPECT_EQ(panel.ValueText(13), QStringLiteral(" 100.00%"));
    EXPECT_EQ(panel.ValueColour(13), CellFore::Blue);

    const std::vector<int32_t> one{1, 0, 0, 0, 0, 0};
    panel.SetTousen(one);
    for (int row = 10; row <= 14; ++row) {
        EXPECT_EQ(panel.ValueText(row), QStringLiteral("   0.00%"));
    }

    // 2/3 is shown truncated, stored rounded half to even at four decimals.
    const std::vector<int32_t> thirds{3, 2, 1, 0, 2, 2};
    panel.SetTousen(thirds);
    EXPECT_EQ(panel.Percent(1), Money::FromRaw(666667));
    EXPECT_EQ(panel.ValueText(10), QStringLiteral("  66.66%"));
    EXPECT_EQ(panel.ValueText(11), QStringLiteral("  33.33%"));
    EXPECT_EQ(panel.ValueColour(10), CellFore::Black);

    const std::vector<int32_t> none{0, 0, 0, 0, 0, 0};
    panel.SetTousen(none);
    EXPECT_FALSE(panel.PercentValid());
    for (int row = 10; row <= 14; ++row) {
        EXPECT_EQ(panel.ValueText(row), QStringLiteral(" ---.--%"));
        EXPECT_EQ(panel.ValueColour(row), CellFore::Black);
    }
    panel.SetTousen(std::span<const int32_t>());
    EXPECT_FALSE(panel.PercentValid());
    EXPECT_EQ(redraws, 6);

    EXPECT_EQ(clsTMeisai::Caption(10), QStringLiteral(" 1 等確率"));
    EXPECT_EQ(clsTMeisai::Caption(13), QStringLiteral("1-2等確率"));
    EXPECT_EQ(clsTMeisai::Caption(3), QStringLiteral("ダ ブ ル"));
    EXPECT_EQ(clsTMeisai::PercentText(Money::FromRaw(99999)), QStringLiteral("  9.99%"));
}

TEST(clsTMeisai, MultiShapeAndCompressionRate) {
    clsTMeisai panel;
    MarkTable m{};
    // Slots 1, 2 doubles; 3..6 triples.
    for (int t = 0; t < 6; ++t) {
        m[0][t] = 1;
        m[1][t] = 2;
        if (t >= 2) {
            m[3][t] = 6;
        }
    }
    panel.SetValue(m);
    panel.SetSingleCount(7);
    EXPECT_EQ(panel.ValueText(2), QString());
    EXPECT_EQ(panel.ValueText(3), QStringLiteral(" 2"));
    EXPECT_EQ(panel.ValueText(4), QStringLiteral(" 4"));
    EXPECT_EQ(panel.ValueText(5), QString());
    EXPECT_EQ(panel.ValueText(6), QStringLiteral(" 324"));
    EXPECT_EQ(panel.ValueText(7), QStringLiteral(" 7"));
    EXPECT_EQ(panel.ValueColour(7), CellFore::Blue);
    EXPECT_EQ(panel.ValueText(8), QStringLiteral(" 1／46.29"));

    // The full multi: 4096 singles compressed to 3 shows grouping.
    MarkTable all{};
    for (auto& row : all) {
        row.fill(1);
    }
    panel.SetValue(all);
    panel.SetSingleCount(3);
    EXPECT_EQ(panel.ValueText(5), QStringLiteral(" 6"));
    EXPECT_EQ(panel.ValueText(6), QStringLiteral(" 4,096"));
    EXPECT_EQ(panel.ValueText(8), QStringLiteral(" 1／1,365.33"));

    // An unmarked slot counts as factor 1.
    all[0][0] = all[1][0] = all[2][0] = all[3][0] = 0;
    panel.SetValue(all);
    EXPECT_EQ(panel.SlotCount(0), 1);
    EXPECT_EQ(panel.ValueText(6), QStringLiteral(" 1,024"));

    panel.Clear();
    EXPECT_EQ(panel.ValueText(6), QStringLiteral(" 0"));
    EXPECT_EQ(panel.ValueText(7), QStringLiteral(" 0"));
    EXPECT_EQ(panel.ValueText(8), QStringLiteral(" 0"));
    EXPECT_EQ(panel.ValueText(12), QStringLiteral(" ---.--%"));
}

TEST(clsTCount, CountAndPercentTexts) {
    clsTCount panel;
    int clicks = 0;
    panel.SetClickHandler([&](int, int, int, int row) {
        ++clicks;
        EXPECT_EQ(row, 3);
    });
    FlagTable shown{};
    shown[0][0] = shown[1][0] = true; // classes 0 and 1 marked in slot 1
    shown[0][1] = true;
    panel.SetVisible(shown);
    CountTable values{};
    values[0][0] = 2;
    values[1][0] = 1;
    values[3][1] = 4; // unmarked class chosen after editing the list
    panel.SetValue(values);

    EXPECT_EQ(panel.CellText(0, 0), QStringLiteral("    2"));
    EXPECT_EQ(panel.CellText(1, 0), QStringLiteral("    1"));
    EXPECT_EQ(panel.CellText(2, 0), QStringLiteral("     "));
    EXPECT_EQ(panel.CellText(3, 1), QStringLiteral("    4"));
    EXPECT_EQ(panel.CellText(0, 1), QStringLiteral("    0"));

    panel.MouseClick(1, 0, 1, 1); // header: nothing
    EXPECT_FALSE(panel.Percent());
    EXPECT_EQ(clicks, 0);
    panel.MouseClick(1, 0, 2, 3);
    EXPECT_TRUE(panel.Percent());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(panel.CellText(0, 0), QStringLiteral("  67%"));
    EXPECT_EQ(panel.CellText(1, 0), QStringLiteral("  33%"));
    EXPECT_EQ(panel.CellText(3, 1), QStringLiteral(" 100%"));
    EXPECT_EQ(panel.CellText(0, 1), QStringLiteral("   0%"));
    EXPECT_EQ(panel.CellText(2, 0), QStringLiteral("     "));

    // A slot with total 0 shows "0%" in its shown cells.
    shown[2][4] = true;
    panel.SetVisible(shown);
    EXPECT_EQ(panel.CellText(2, 4), QStringLiteral("   0%"));
    EXPECT_EQ(panel.CellText(1, 4), QStringLiteral("     "));

    FlagTable blue{};
    blue[1][0] = true;
    panel.SetColor(blue);
    EXPECT_EQ(panel.CellColour(1, 0), CellFore::Blue);
    EXPECT_EQ(panel.CellColour(0, 0), CellFore::Black);

    panel.MouseClick(1, 0, 2, 3);
    EXPECT_FALSE(panel.Percent());
    panel.Clear();
    EXPECT_EQ(panel.CellText(3, 1), QStringLiteral("     "));
    EXPECT_EQ(panel.CellText(0, 0), QStringLiteral("    0"));
}
