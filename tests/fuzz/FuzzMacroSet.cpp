// Opens arbitrary bytes as a macro set file.
#include "macro/DocMacroSet.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return fuzz::OpenStoreReopen<CDocMacroSet>(data, size);
}
