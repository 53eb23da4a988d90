#include "qornctl/ReplayJson.h"

#include <cctype>
#include <string>

#include "platform/Utf.h"
#include "qornctl/SimulatorJson.h"

namespace {
[[noreturn]] void Fail(int line, const std::string& why) {
    throw ReplayScriptError("script line " + std::to_string(line) + ": " + why);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Twelve bytes as two hex digits each; spaces between bytes are optional.
bool ParseReport(const std::string& text, std::array<uint8_t, CDispatcher::kReportSize>& report) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || count == report.size()) return false;
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        report[count++] = static_cast<uint8_t>(high * 16 + low);
        i += 2;
    }
    return count == report.size();
}

bool IsTrue(const Json& step, const char* key) { return step.contains(key) && step[key] == true; }

ReplayStep ParseStep(const Json& j, int line) {
    if (!j.is_object()) Fail(line, "expected a JSON object");
    if (!j.contains("t") || !j["t"].is_number_integer() || j["t"].get<int64_t>() < 0)
        Fail(line, "\"t\" must be a time in ms, 0 or more");
    ReplayStep step;
    step.t = j["t"].get<uint64_t>();
    if (j.contains("report")) {
        if (!j["report"].is_string() || !ParseReport(j["report"].get<std::string>(), step.report))
            Fail(line, "\"report\" must be the 12 report bytes in hex");
        step.kind = ReplayStep::Kind::Report;
    } else if (IsTrue(j, "unplug")) {
        step.kind = ReplayStep::Kind::Unplug;
    } else if (IsTrue(j, "plug")) {
        step.kind = ReplayStep::Kind::Plug;
    } else if (IsTrue(j, "end")) {
        step.kind = ReplayStep::Kind::End;
    } else {
        Fail(line, "expected \"report\", \"unplug\", \"plug\" or \"end\"");
    }
    return step;
}
}  // namespace

std::vector<ReplayStep> ParseReplayScript(std::istream& in) {
    std::vector<ReplayStep> steps;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
        const Json j = Json::parse(text, nullptr, false);
        if (j.is_discarded()) Fail(line, "not valid JSON");
        ReplayStep step = ParseStep(j, line);
        if (!steps.empty() && step.t < steps.back().t) Fail(line, "times must not go back");
        steps.push_back(step);
    }
    return steps;
}

Json ReplayEventJson(const ReplayEvent& e) {
    if (e.kind == ReplayEvent::Kind::Device) return DeviceEventJson(e.device);
    Json j;
    j["t"] = e.t;
    switch (e.kind) {
    case ReplayEvent::Kind::Input:
        j["event"] = "input";
        j["type"] = e.record.Type();
        if (e.record.Type() == kInputKeyboard) {
            j["vk"] = e.record.Vk();
            j["scan"] = e.record.Scan();
            j["flags"] = e.record.KeyFlags();
        } else if (e.record.Type() == kInputMouse) {
            j["mouseData"] = e.record.MouseData();
            j["flags"] = e.record.MouseFlags();
        }
        break;
    case ReplayEvent::Kind::Tap:
        j["event"] = "tap";
        j["vk"] = e.vk;
        j["up"] = e.flag;
        break;
    case ReplayEvent::Kind::Launch:
        j["event"] = "launch";
        j["target"] = ToUtf8(e.text);
        break;
    case ReplayEvent::Kind::Suspend:
        j["event"] = "suspend";
        break;
    case ReplayEvent::Kind::Profile:
        j["event"] = "profile";
        j["name"] = ToUtf8(e.text);
        break;
    case ReplayEvent::Kind::Recording:
        j["event"] = "recording";
        j["on"] = e.flag;
        break;
    case ReplayEvent::Kind::Device:
        break;
    }
    return j;
}
