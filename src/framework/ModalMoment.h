#pragma once
// Marks the time a message box, a file dialog or a dialog run modally over
// an owner is open on this thread. Their message loops still deliver what
// other threads send (keyboard reports), so code that must not change state
// under an open question asks Active() first: the main window changes no
// profile then. The main window's own modal run has no owner and does not
// count.
class ModalMoment {
public:
    ModalMoment() { ++depth_; }
    ~ModalMoment() { --depth_; }
    ModalMoment(const ModalMoment&) = delete;
    ModalMoment& operator=(const ModalMoment&) = delete;

    static bool Active() { return depth_ > 0; }

private:
    static inline thread_local int depth_ = 0;
};
