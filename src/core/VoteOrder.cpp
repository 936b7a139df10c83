#include "core/VoteOrder.h"

#include <utility>

namespace kestrel {

namespace {

using Counts = std::array<int64_t, kGoalClassCount>;
using Classes = std::array<int, kGoalClassCount>;

// The program's quicksort, carrying the class list along. The pivot is taken from the middle
// and the element at lo moved into its place; the tie order of equal counts follows from exactly
// this procedure.
void QuickSort(Counts& counts, Classes& classes, int lo, int hi) {
    if (lo >= hi) {
        return;
    }
    const int mid = (lo + hi) / 2;
    const int64_t pivot = counts[mid];
    const int pivotClass = classes[mid];
    counts[mid] = counts[lo];
    classes[mid] = classes[lo];
    int i = lo;
    for (int j = lo + 1; j <= hi; ++j) {
        if (counts[j] < pivot) {
            ++i;
            std::swap(counts[i], counts[j]);
            std::swap(classes[i], classes[j]);
        }
    }
    counts[lo] = counts[i];
    classes[lo] = classes[i];
    counts[i] = pivot;
    classes[i] = pivotClass;
    QuickSort(counts, classes, lo, i - 1);
    QuickSort(counts, classes, i + 1, hi);
}

} // namespace

std::array<int, kGoalClassCount> VoteOrder::Ascending(std::array<int64_t, kGoalClassCount> counts) {
    Classes classes{0, 1, 2, 3};
    QuickSort(counts, classes, 0, kGoalClassCount - 1);
    return classes;
}

std::array<int, kGoalClassCount> VoteOrder::Ascending(const VoteSlot& slot) {
    Counts counts{};
    for (int c = 0; c < kGoalClassCount; ++c) {
        counts[c] = slot.Votes[c].Count.Raw();
    }
    return Ascending(counts);
}

} // namespace kestrel
