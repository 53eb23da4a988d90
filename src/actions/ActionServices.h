#pragma once
// What carrying out an action needs from outside. The services belong to the
// application and outlive every activation; the rest belongs to one
// activation and is made by whoever starts it.
#include <atomic>
#include <memory>
#include <vector>

#include "actions/ActivityRing.h"
#include "model/InputRecord.h"

class IClock;
class IHostActions;
class IInputSink;

struct ActionServices {
    IInputSink& input;
    IClock& clock;
    IHostActions& host;
    // Where what the actions did is noted; none in tools and most tests.
    CActivityRing* activity = nullptr;
};

// The events of a macro as they were when its activation started, so that
// editing or deleting the macro meanwhile cannot change what is being
// played; null when no macro of the key's name existed.
using MacroSnapshot = std::shared_ptr<const std::vector<InputRecord>>;

struct ExecutionContext {
    const ActionServices& services;
    MacroSnapshot macro;
    // Set when the key's profile goes away or the program ends: loops and
    // long playbacks stop at their next event instead of running on.
    const std::atomic<bool>& stop;
    // The key as the dispatcher saw it, for the activity.
    ActivitySubject subject = {};
    // The first of the key's records went out already, sent by the listener
    // as the report came (CPressLane).
    bool firstSent = false;
};
