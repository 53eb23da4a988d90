#include "ui/KeyGridStep.h"

#include <cstdlib>
#include <tuple>

namespace {
struct Axes {
    int along;   // doubled centre offset in the direction of the step
    int across;  // doubled centre distance across it
    bool inLine;
};

Axes Measure(const KeyButtonPlace& from, const KeyButtonPlace& to, GridStep step) {
    const bool horizontal = step == GridStep::Left || step == GridStep::Right;
    const int sign = step == GridStep::Right || step == GridStep::Down ? 1 : -1;
    const int dx = (to.x * 2 + to.width) - (from.x * 2 + from.width);
    const int dy = (to.y * 2 + to.height) - (from.y * 2 + from.height);
    const bool overlapX = to.x < from.x + from.width && from.x < to.x + to.width;
    const bool overlapY = to.y < from.y + from.height && from.y < to.y + to.height;
    return horizontal ? Axes{dx * sign, std::abs(dy), overlapY} : Axes{dy * sign, std::abs(dx), overlapX};
}
}  // namespace

std::size_t StepInKeyGrid(std::span<const KeyButtonPlace> keys, std::size_t from, GridStep step) {
    std::size_t best = from;
    std::tuple<int, int> bestScore{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const Axes a = Measure(keys[from], keys[i], step);
        if (i == from || !a.inLine || a.along <= 0) continue;
        const std::tuple<int, int> score{a.along, a.across};
        if (best == from || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}
