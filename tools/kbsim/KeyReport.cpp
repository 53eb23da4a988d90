#include "kbsim/KeyReport.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "model/KeyAction.h"
#include "model/KeyTable.h"

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Lower case without spaces; key table names are ASCII.
std::string Folded(std::u16string_view name) {
    std::string out;
    for (char16_t c : name)
        if (c != u' ') out += Fold(char(c));
    return out;
}

std::string Folded(std::string_view name) {
    std::string out;
    for (char c : name)
        if (c != ' ') out += Fold(c);
    return out;
}

std::optional<ReportKey> FromTable(const std::string& folded, bool keypad) {
    const KeyTableEntry* found = nullptr;
    for (const KeyTableEntry& e : kKeyTable) {
        if (Folded(e.name) != folded) continue;
        found = &e;
        if (!keypad) break;
    }
    if (!found) return std::nullopt;
    return ReportKey{uint8_t(found->deviceCode), found->keyType == kKeyTypeModifier};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Fold(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::optional<ReportKey> FindReportKey(std::string_view name) {
    const std::string folded = Folded(name);
    if (folded == "fn") return ReportKey{kFnDeviceCode, false};
    if (folded.size() > 2 && folded.starts_with("0x")) {
        unsigned code = 0;
        const char* end = folded.data() + folded.size();
        const auto [ptr, ec] = std::from_chars(folded.data() + 2, end, code, 16);
        if (ec != std::errc() || ptr != end || code == 0 || code > 0xFF) return std::nullopt;
        return ReportKey{uint8_t(code), false};
    }
    if (auto key = FromTable(folded, false)) return key;
    if (folded.size() > 2 && folded.starts_with("kp")) return FromTable(folded.substr(2), true);
    return std::nullopt;
}

bool PressKey(KeyReport& report, ReportKey key) {
    if (key.modifier) {
        report[1] |= key.code;
        return true;
    }
    const auto keys = report.begin() + 2;
    if (std::find(keys, report.end(), key.code) != report.end()) return true;
    const auto slot = std::find(keys, report.end(), uint8_t(0));
    if (slot == report.end()) return false;
    *slot = key.code;
    return true;
}

void ReleaseKey(KeyReport& report, ReportKey key) {
    if (key.modifier) {
        report[1] &= uint8_t(~key.code);
        return;
    }
    std::replace(report.begin() + 2, report.end(), key.code, uint8_t(0));
}

std::optional<KeyReport> ParseKeyReport(std::string_view hex) {
    KeyReport report{};
    std::size_t n = 0;
    int high = -1;
    for (char c : hex) {
        if (c == ' ' || c == ':' || c == '-') {
            if (high >= 0) return std::nullopt;  // a separator inside a byte
            continue;
        }
        const int d = HexDigit(c);
        if (d < 0 || n == report.size()) return std::nullopt;
        if (high < 0) {
            high = d;
        } else {
            report[n++] = uint8_t(high * 16 + d);
            high = -1;
        }
    }
    if (n != report.size() || high >= 0) return std::nullopt;
    return report;
}
