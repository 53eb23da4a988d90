#pragma once
// Keeping a data file that failed to load before anything replaces it: the
// user's only copy of what could not be read must survive the next save.
#include <chrono>
#include <optional>
#include <string>

#include "platform/IFileStore.h"

// "<path>.damaged-YYYYMMDD-HHMM" in local time, with "-2", "-3"... when a
// file of that name exists: an earlier kept file is never overwritten.
// The copy is byte for byte; nullopt when it could not be made.
std::optional<std::u16string> KeepDamagedCopy(IFileStore& files, const std::u16string& path,
                                              std::chrono::system_clock::time_point now);
