#include "actions/PressLane.h"

#include <algorithm>

#include "actions/Dispatcher.h"
#include "model/DocProfile.h"
#include "platform/IInputSink.h"

void CPressLane::OnReport(std::span<const uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (report.size() != CDispatcher::kReportSize) {
        previous_.fill(0);
        return;
    }
    const std::span<const uint8_t> codes = report.subspan(2);
    const bool fn = std::find(codes.begin(), codes.end(), CDispatcher::kFnCode) != codes.end();
    if (!suspended_ && !fn)
        for (const uint8_t code : codes) {
            if (code == 0 || !first_[code] || std::find(previous_.begin(), previous_.end(), code) != previous_.end())
                continue;
            if (ledger_.Send(*first_[code])) unclaimed_.push_back({code, *first_[code]});
        }
    std::copy(codes.begin(), codes.end(), previous_.begin());
}

void CPressLane::Publish(const CDocProfile& profile) {
    std::lock_guard lock(mutex_);
    first_ = {};
    for (const CKeyAction& key : profile.keys) {
        const std::span<const InputRecord> records = key.SentRecords();
        if (key.keyType == kKeyTypeNormal && key.code < first_.size() && !records.empty() && !first_[key.code])
            first_[key.code] = records.front();
    }
    suspended_ = false;
}

void CPressLane::Suspend() {
    std::lock_guard lock(mutex_);
    suspended_ = true;
}

bool CPressLane::Suspended() const {
    std::lock_guard lock(mutex_);
    return suspended_;
}

void CPressLane::Forget() {
    std::lock_guard lock(mutex_);
    previous_.fill(0);
}

bool CPressLane::Claim(uint8_t code, const InputRecord& first) {
    std::lock_guard lock(mutex_);
    const auto sent = std::find_if(unclaimed_.begin(), unclaimed_.end(),
                                   [&](const Sent& s) { return s.code == code && s.record == first; });
    if (sent == unclaimed_.end()) return false;
    unclaimed_.erase(sent);
    return true;
}

std::vector<InputRecord> CPressLane::TakeUnclaimed() {
    std::lock_guard lock(mutex_);
    std::vector<InputRecord> records;
    for (const Sent& s : unclaimed_) records.push_back(s.record);
    unclaimed_.clear();
    return records;
}
