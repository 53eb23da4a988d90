#pragma once
// An atomic value that copies as its current value, so that a record holding
// one keeps its generated copy and assignment. Copying is one load and one
// store, not one atomic step.
#include <atomic>

template <class T>
class CopyableAtomic : public std::atomic<T> {
public:
    using std::atomic<T>::operator=;

    CopyableAtomic(T value = T()) : std::atomic<T>(value) {}
    CopyableAtomic(const CopyableAtomic& other) : std::atomic<T>(other.load()) {}
    CopyableAtomic& operator=(const CopyableAtomic& other) {
        this->store(other.load());
        return *this;
    }
};
