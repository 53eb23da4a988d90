// Opens arbitrary bytes as a macro file.
#include "macro/DocMacro.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return fuzz::OpenStoreReopen<CDocMacro>(data, size);
}
