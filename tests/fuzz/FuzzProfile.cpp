// Opens arbitrary bytes as a profile file.
#include "model/DocProfile.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return fuzz::OpenStoreReopen<CDocProfile>(data, size);
}
