// Opens arbitrary bytes as a profile set file.
#include "model/DocProfileSet.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return fuzz::OpenStoreReopen<CDocProfileSet>(data, size);
}
