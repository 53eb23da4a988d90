#include "ui/ActivityText.h"

#include <algorithm>

#include "lang/MultiLanguage.h"
#include "model/KeyAction.h"
#include "model/KeyTable.h"
#include "model/MediaFunction.h"
#include "model/MouseFunction.h"
#include "ui/Activity.h"

namespace {
std::u16string Text(std::u16string_view id, std::u16string_view english) { return CMultiLanguage::GetText(id, english); }

std::u16string Number(int64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

std::u16string NameOfVirtualKey(uint8_t vk) {
    const auto it = std::find_if(kKeyTable.begin(), kKeyTable.end(), [vk](const KeyTableEntry& e) { return e.keyCode == vk; });
    if (it != kKeyTable.end()) return std::u16string(it->name);
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    return std::u16string(u"0x") + kHex[vk >> 4] + kHex[vk & 0xF];
}

// What a Sent event sent: "Enter", "L-Ctrl+C", "Left Button", "Mute".
std::u16string SentWords(const ActivityEvent& event) {
    const int32_t n = event.number;
    switch (static_cast<SentWhat>(event.detail)) {
    case SentWhat::Mouse:
        if (n >= 0 && static_cast<std::size_t>(n) < kMouseFunctionCount) {
            const MouseFunctionInfo& f = kMouseFunctions[static_cast<std::size_t>(n)];
            return Text(Ascii(f.id), f.english);
        }
        return Text(u"KEY_ACTION_MOUSE", u"Mouse");
    case SentWhat::Media:
        if (n >= 0 && static_cast<std::size_t>(n) < kMediaFunctionCount) {
            const MediaFunctionInfo& f = kMediaFunctions[static_cast<std::size_t>(n)];
            return Text(Ascii(f.id), f.english);
        }
        return Text(u"KEY_ACTION_MEDIA", u"Media");
    case SentWhat::Keys:
        break;
    }
    std::u16string keys;
    for (auto bits = static_cast<uint32_t>(n); bits != 0; bits >>= 8) {
        if ((bits & 0xFF) == 0) continue;
        if (!keys.empty()) keys += u'+';
        keys += NameOfVirtualKey(static_cast<uint8_t>(bits & 0xFF));
    }
    return keys;
}
}  // namespace

std::u16string FillIn(std::u16string_view text, std::initializer_list<std::u16string_view> values) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        const std::size_t index = static_cast<std::size_t>(next - u'1');
        if (text[i] == u'%' && next >= u'1' && next <= u'9' && index < values.size()) {
            out += *(values.begin() + index);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::u16string ActivityKeyName(uint16_t key) {
    if (key == 0) return {};
    const uint32_t code = key & 0xFF;
    const uint32_t type = (key & 0x100) != 0 ? kKeyTypeModifier : kKeyTypeNormal;
    const auto it = std::find_if(kKeyTable.begin(), kKeyTable.end(),
                                 [&](const KeyTableEntry& e) { return e.deviceCode == code && e.keyType == type; });
    return it != kKeyTable.end() ? std::u16string(it->name) : Number(code);
}

std::u16string LinkWords(KeyboardLink link) {
    switch (link) {
    case KeyboardLink::Connected: return Text(u"ID_KB_CONNECTED", u"connected");
    case KeyboardLink::DriverMissing: return Text(u"ID_KB_NO_DRIVER", u"not connected: driver missing");
    case KeyboardLink::HandshakeFailed: return Text(u"ID_KB_NO_HANDSHAKE", u"not connected: handshake failed");
    case KeyboardLink::Unplugged: return Text(u"ID_KB_UNPLUGGED", u"not connected: unplugged");
    case KeyboardLink::Unknown: break;
    }
    return Text(u"ID_KB_UNKNOWN", u"not looked for yet");
}

std::u16string ReasonWords(const ActivityEvent& profileEvent, const CActivity& activity) {
    switch (static_cast<ProfileReason>(profileEvent.detail)) {
    case ProfileReason::Window: return Text(u"ID_REASON_WINDOW", u"window");
    case ProfileReason::FnDigit: return FillIn(Text(u"ID_REASON_FN", u"Fn+%1"), {Number(profileEvent.number)});
    case ProfileReason::Automatic:
        return FillIn(Text(u"ID_REASON_LINKED", u"linked program %1"),
                      {activity.ProgramOf(static_cast<uint32_t>(profileEvent.number))});
    case ProfileReason::CommandLine: return Text(u"ID_REASON_COMMAND_LINE", u"command line");
    case ProfileReason::KeyboardArrival: return Text(u"ID_REASON_ARRIVAL", u"keyboard arrival");
    case ProfileReason::StartUp: return Text(u"ID_REASON_START_UP", u"start-up");
    }
    return {};
}

std::u16string ActivityWords(const ActivityEvent& event, const CActivity& activity) {
    const std::u16string_view text = event.text.View();
    switch (event.kind) {
    case ActivityKind::Sent: return FillIn(Text(u"ID_ACT_SENT", u"sent %1"), {SentWords(event)});
    case ActivityKind::Disabled: return Text(u"ID_ACT_DISABLED", u"disabled: nothing sent");
    case ActivityKind::MacroPlayed:
        if (event.number == 1) return FillIn(Text(u"ID_ACT_PLAYED_ONCE", u"macro '%1' played once"), {text});
        return FillIn(Text(u"ID_ACT_PLAYED_TIMES", u"macro '%1' played %2 times"), {text, Number(event.number)});
    case ActivityKind::MacroStopped: return FillIn(Text(u"ID_ACT_MACRO_STOPPED", u"macro '%1' stopped"), {text});
    case ActivityKind::MacroMissing:
        if (event.detail != 0)
            return FillIn(Text(u"ID_ACT_MACRO_EMPTY", u"macro '%1' is empty: nothing played"), {text});
        return FillIn(Text(u"ID_ACT_MACRO_MISSING", u"macro '%1' not found: nothing played"), {text});
    case ActivityKind::LoopStarted: return FillIn(Text(u"ID_ACT_LOOP_STARTED", u"loop of '%1' started"), {text});
    case ActivityKind::LoopStopped: return FillIn(Text(u"ID_ACT_LOOP_STOPPED", u"loop of '%1' stopped"), {text});
    case ActivityKind::Launched: return FillIn(Text(u"ID_ACT_LAUNCHED", u"launched %1"), {text});
    case ActivityKind::LaunchFailed: return FillIn(Text(u"ID_ACT_LAUNCH_FAILED", u"could not launch %1"), {text});
    case ActivityKind::GamingMode:
        return event.detail != 0 ? Text(u"ID_ACT_GAMING_ON", u"gaming mode on (Fn+F10)")
                                 : Text(u"ID_ACT_GAMING_OFF", u"gaming mode off (Fn+F10)");
    case ActivityKind::Profile:
        return FillIn(Text(u"ID_ACT_PROFILE", u"profile %1 (%2)"), {text, ReasonWords(event, activity)});
    case ActivityKind::Blocked:
        return FillIn(Text(u"ID_ACT_BLOCKED", u"blocked: %1 runs as administrator"),
                      {activity.ProgramOf(static_cast<uint32_t>(event.number))});
    case ActivityKind::Keyboard:
        return FillIn(Text(u"ID_ACT_KEYBOARD", u"keyboard %1"), {LinkWords(static_cast<KeyboardLink>(event.detail))});
    }
    return {};
}

std::u16string AdministratorBalloon(const std::u16string& program) {
    return FillIn(Text(u"ID_BALLOON_ADMIN", u"Keys from Qorn can't reach %1 because it runs as administrator. "
                                            u"Use 'Restart as administrator' in the tray menu."),
                  {program});
}

std::u16string ClockText(uint64_t utcMs, int32_t offsetMinutes) {
    constexpr int64_t kDayMs = 24 * 60 * 60 * 1000;
    int64_t ms = (static_cast<int64_t>(utcMs % static_cast<uint64_t>(kDayMs)) + int64_t{offsetMinutes} * 60000) % kDayMs;
    if (ms < 0) ms += kDayMs;
    const int64_t seconds = ms / 1000;
    std::u16string out;
    for (const int64_t part : {seconds / 3600, seconds / 60 % 60, seconds % 60}) {
        if (!out.empty()) out += u':';
        out += static_cast<char16_t>(u'0' + part / 10);
        out += static_cast<char16_t>(u'0' + part % 10);
    }
    return out;
}

std::vector<ActivityRow> ActivityRows(const std::vector<ActivityEvent>& events, const CActivity& activity,
                                      const std::function<std::u16string(uint64_t utcMs)>& clock) {
    std::vector<ActivityRow> rows;
    rows.reserve(events.size());
    for (const ActivityEvent& event : events)
        rows.push_back({clock(event.timeMs), ActivityKeyName(event.key), activity.ProfileOf(event.profile),
                        ActivityWords(event, activity)});
    return rows;
}

std::vector<std::u16string> ActivityColumns() {
    return {Text(u"ID_ACTIVITY_TIME", u"Time"), Text(u"ID_ACTIVITY_KEY", u"Key"),
            Text(u"ID_ACTIVITY_PROFILE", u"Profile"), Text(u"ID_ACTIVITY_WHAT", u"What happened")};
}

std::vector<std::u16string> HeaderLines(const CActivity& activity) {
    std::vector<std::u16string> lines;
    lines.push_back(FillIn(Text(u"ID_HEAD_KEYBOARD", u"Keyboard: %1"), {LinkWords(activity.Link())}));
    if (activity.CurrentProfile().empty())
        lines.push_back(Text(u"ID_HEAD_NO_PROFILE", u"Current profile: none"));
    else
        lines.push_back(FillIn(Text(u"ID_HEAD_PROFILE", u"Current profile: %1 (%2)"),
                               {activity.CurrentProfile(), ReasonWords(activity.ProfileEvent(), activity)}));
    const std::u16string& program = activity.ForegroundProgram();
    if (program.empty())
        lines.push_back(Text(u"ID_HEAD_NO_FOREGROUND", u"Program in front: none known"));
    else if (activity.ForegroundElevated())
        lines.push_back(FillIn(Text(u"ID_HEAD_ELEVATED", u"Program in front: %1, which runs as administrator"), {program}));
    else if (!activity.ForegroundProfile().empty())
        lines.push_back(FillIn(Text(u"ID_HEAD_LINKED", u"Program in front: %1, linked to profile %2"),
                               {program, activity.ForegroundProfile()}));
    else
        lines.push_back(FillIn(Text(u"ID_HEAD_FOREGROUND", u"Program in front: %1, linked to no profile"), {program}));
    return lines;
}

std::u16string ActivityReport(const std::vector<std::u16string>& header, const std::vector<ActivityRow>& rows) {
    std::u16string out;
    for (const std::u16string& line : header) out += line + u"\r\n";
    out += u"\r\n";
    const std::vector<std::u16string> columns = ActivityColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) out += columns[i] + (i + 1 < columns.size() ? u"\t" : u"\r\n");
    for (const ActivityRow& row : rows) out += row.time + u'\t' + row.key + u'\t' + row.profile + u'\t' + row.what + u"\r\n";
    return out;
}
