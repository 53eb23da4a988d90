#pragma once
// The ledger of what the program holds down: an input sink that sits
// between the actions and the system's sink and remembers every key, mouse
// button and media tap it sent down until its release was sent and taken.
// ReleaseAll then lets go of whatever is left, so that no key stays stuck
// when actions are cut short (lock, suspend, removal, exit, a crash).
//
// Rules:
// - A down enters the ledger only when the system took it; a key already in
//   it keeps its place. An up taken by the system removes it; a rejected up
//   (the secure desktop of a lock takes no input) leaves it in, so that the
//   next ReleaseAll sends it again.
// - ReleaseAll sends the releases newest first, each at most once per call.
// - Taps have no result to check (the keybd_event path): they count as taken.
//
// Threads: any. Worker threads send concurrently; one lock orders the sends
// and the ledger alike, so the ledger always matches what the system got.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/IInputSink.h"

class CHeldInput final : public IInputSink {
public:
    // `system` must outlive the ledger.
    explicit CHeldInput(IInputSink& system) : system_(system) {}
    CHeldInput(const CHeldInput&) = delete;
    CHeldInput& operator=(const CHeldInput&) = delete;

    bool Send(const InputRecord& record) override;
    void Tap(uint16_t vk, bool up) override;

    // Sends the release of everything held, newest first; true when every
    // one was taken. Callers end the activations that send first, or a
    // loop presses again right after.
    bool ReleaseAll();
    // Lets go of what `sent`, a record sent earlier, holds down, if it is
    // still held; true when the system took the releases.
    bool ReleaseOf(const InputRecord& sent);
    // Follows a record another ledger sent and the system took, as though
    // this one had sent it, so that its ReleaseAll lets go of it too.
    void Adopt(const InputRecord& sent);
    // For a crash: lets go as ReleaseAll does, unless a send is under way
    // for longer than a moment (it may be the thread that failed), and from
    // then on passes no down at all.
    void ReleaseAndSeal();

    // How many keys, buttons and taps are held.
    std::size_t Held() const;

private:
    struct Entry {
        uint32_t id;          // what is held; see IdOf
        InputRecord release;  // what lets go of it
        bool tap;             // released through Tap
    };

    // With the lock held: the ledger follows one record the system took.
    void NoteLocked(const InputRecord& record, bool taken);
    void HoldLocked(uint32_t id, const InputRecord& release, bool tap);
    void DropLocked(uint32_t id);
    bool ReleaseAllLocked();

    IInputSink& system_;
    mutable std::timed_mutex mutex_;
    std::vector<Entry> held_;  // oldest first
    std::atomic<bool> sealed_{false};
};
