#pragma once
// What the main window does when a device interface arrives or goes away:
// the keyboard's interface brings the channel back and the whole current
// state to the keyboard; its removal lets go of every key the application
// believes held. Other devices are ignored.
//
// Threads: the user-interface thread (the window procedure).
#include <functional>
#include <string_view>

class CDeviceChannel;
class IClock;

// Whether a device-interface path (any case) names the keyboard's report
// interface: vendor 0xFFFE, product 0x011A, interface 1, collection 3.
bool IsKeyboardInterface(std::u16string_view path);

// For the keyboard's interface: waits 500 ms for the driver to attach,
// opens the channel (an open one stays as it is), sends presence and the
// recording state whether or not that worked, then runs `makeCurrentAgain`,
// the main window's profile-change step for the current profile. Returns
// whether the path was the keyboard's.
bool OnKeyboardArrival(std::u16string_view path, CDeviceChannel& channel, IClock& clock, bool recording,
                       const std::function<void()>& makeCurrentAgain);

// For the keyboard's interface, when a profile is current: runs
// `releaseAll`, which sets every key of the current profile released and
// clears the dispatcher's previous report. The channel stays open: the
// driver's control device outlives the keyboard. Returns whether it ran.
bool OnKeyboardRemoval(std::u16string_view path, bool hasCurrentProfile, const std::function<void()>& releaseAll);
