#pragma once
// Runs a Serialize-style function against an in-memory archive.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "model/Archive.h"

using Bytes = std::vector<uint8_t>;

template <class Fn>
Bytes StoreToBytes(Fn&& fn) {
    std::stringbuf buf(std::ios::out | std::ios::binary);
    CArchive ar(buf, CArchive::Mode::Store);
    fn(ar);
    const std::string s = buf.str();
    return Bytes(s.begin(), s.end());
}

template <class Fn>
void LoadFromBytes(const Bytes& bytes, Fn&& fn) {
    std::stringbuf buf(std::string(bytes.begin(), bytes.end()), std::ios::in | std::ios::binary);
    CArchive ar(buf, CArchive::Mode::Load);
    fn(ar);
}
