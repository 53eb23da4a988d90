#include "ui/Elevation.h"

#include <algorithm>

namespace {
char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::u16string LowerAscii(std::u16string text) {
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
}

std::u16string Decimal(uint32_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}
}  // namespace

CElevationWatch::Verdict CElevationWatch::OnForeground(const std::u16string& program, uint32_t process, bool own,
                                                       bool canAnnounce) {
    if (own || program.empty() || !integrity_.RunsAboveUs(process)) return {};
    seen_ = true;
    return {true, canAnnounce && announced_.insert(LowerAscii(program)).second};
}

bool CElevationWatch::RestartOffered() {
    if (!seen_) return false;
    if (!weAreElevated_) weAreElevated_ = integrity_.WeAreElevated();
    return !*weAreElevated_;
}

std::u16string RestartArguments(uint32_t ourProcess) { return u"/after " + Decimal(ourProcess); }

std::optional<uint32_t> PredecessorOf(const std::vector<std::u16string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::u16string name = LowerAscii(args[i]);
        if (name != u"/after" && name != u"-after") continue;
        const std::u16string& value = args[i + 1];
        if (value.empty() || value.size() > 10) return std::nullopt;
        uint64_t n = 0;
        for (const char16_t c : value) {
            if (c < u'0' || c > u'9') return std::nullopt;
            n = n * 10 + static_cast<uint64_t>(c - u'0');
        }
        if (n == 0 || n > UINT32_MAX) return std::nullopt;
        return static_cast<uint32_t>(n);
    }
    return std::nullopt;
}

bool RestartAsAdministrator(IElevatedStart& start, uint32_t ourProcess, const std::function<void()>& leave) {
    if (!start.StartElevated(RestartArguments(ourProcess))) return false;
    leave();
    return true;
}

bool AwaitPredecessor(const std::vector<std::u16string>& args, IElevatedStart& start) {
    const std::optional<uint32_t> predecessor = PredecessorOf(args);
    return predecessor && start.WaitForEnd(*predecessor, kPredecessorWaitMs);
}
