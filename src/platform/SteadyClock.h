#pragma once
// The real monotonic clock of the portable core: sleeps as precisely as the
// system's thread sleep allows.
#include "platform/IClock.h"

class CSteadyClock final : public IClock {
public:
    uint64_t NowMs() const override;
    void SleepMs(uint32_t ms) override;
};
