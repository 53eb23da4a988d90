#pragma once
// The Activity window's words: the events' codes turned into the texts of
// the chosen language (English defaults), only when they are shown, and the
// plain text the Copy button puts on the clipboard.
//
// User-interface thread only (the language table is that thread's).
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "actions/ActivityRing.h"

class CActivity;

// `text` with "%1", "%2"... replaced by the values in order.
std::u16string FillIn(std::u16string_view text, std::initializer_list<std::u16string_view> values);

// The name of an event's key ("A", "L-Shift"), empty for none.
std::u16string ActivityKeyName(uint16_t key);
// What happened, in words: "sent Enter", "macro 'Raid' played once"...
std::u16string ActivityWords(const ActivityEvent& event, const CActivity& activity);
// Why the profile of a profile event is current: "Fn+2", "linked program game.exe"...
std::u16string ReasonWords(const ActivityEvent& profileEvent, const CActivity& activity);
// "connected", "not connected: unplugged"...
std::u16string LinkWords(KeyboardLink link);

// The tray balloon, once per program and run, for a program in front that
// runs as administrator.
std::u16string AdministratorBalloon(const std::u16string& program);

// "hh:mm:ss" of a time in ms since 1970 UTC, `offsetMinutes` east of UTC.
std::u16string ClockText(uint64_t utcMs, int32_t offsetMinutes);

struct ActivityRow {
    std::u16string time, key, profile, what;
};
// The list's rows, in the order of `events`; `clock` gives the time column.
std::vector<ActivityRow> ActivityRows(const std::vector<ActivityEvent>& events, const CActivity& activity,
                                      const std::function<std::u16string(uint64_t utcMs)>& clock);
// The list's column headings: time, key, profile, what happened.
std::vector<std::u16string> ActivityColumns();
// The header: the keyboard, the current profile and why, the program in front.
std::vector<std::u16string> HeaderLines(const CActivity& activity);
// The header, a blank line, the headings and the rows, tab-separated, lines
// ended by CR LF: what Copy puts on the clipboard.
std::u16string ActivityReport(const std::vector<std::u16string>& header, const std::vector<ActivityRow>& rows);
