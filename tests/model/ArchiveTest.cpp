#include <gtest/gtest.h>

#include <array>

#include "support/ArchiveBytes.h"

namespace {
std::u16string Text(std::size_t n) {
    std::u16string s(n, u'x');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char16_t>(0x4E00 + i % 300);
    return s;
}

Bytes Head(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }
}  // namespace

TEST(Archive, NumbersAreLittleEndianWithoutPadding) {
    Bytes b = StoreToBytes([](CArchive& ar) {
        ar.WriteU8(0x01);
        ar.WriteU16(0x0302);
        ar.WriteU32(0x07060504);
    });
    EXPECT_EQ(b, (Bytes{1, 2, 3, 4, 5, 6, 7}));
    LoadFromBytes(b, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadU8(), 1);
        EXPECT_EQ(ar.ReadU16(), 0x0302);
        EXPECT_EQ(ar.ReadU32(), 0x07060504u);
    });
}

TEST(Archive, StringsHaveTheWideMarkerAndShortestLength) {
    EXPECT_EQ(StoreToBytes([](CArchive& ar) { ar.WriteString(u"M1"); }),
              (Bytes{0xFF, 0xFE, 0xFF, 0x02, 0x4D, 0x00, 0x31, 0x00}));
    EXPECT_EQ(StoreToBytes([](CArchive& ar) { ar.WriteString(u""); }), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
}

// Each length escape boundary: 254 fits a byte, 255 needs the u16 escape,
// 0xFFFE and 0xFFFF need the u32 escape.
TEST(Archive, StringRoundTripsAtEveryLengthEscape) {
    struct Case {
        std::size_t length;
        Bytes header;
    };
    const std::array<Case, 4> cases = {{
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
    }};
    for (const Case& c : cases) {
        const std::u16string text = Text(c.length);
        Bytes b = StoreToBytes([&](CArchive& ar) { ar.WriteString(text); });
        EXPECT_EQ(Head(b, c.header.size()), c.header) << c.length;
        EXPECT_EQ(b.size(), c.header.size() + 2 * c.length);
        LoadFromBytes(b, [&](CArchive& ar) { EXPECT_EQ(ar.ReadString(), text) << c.length; });
    }
}

TEST(Archive, NarrowStringsLoadThroughTheCodePage) {
    // Length byte below 0xFF: narrow; 0x80 is the euro sign in Windows-1252.
    LoadFromBytes(Bytes{0x03, 'A', 0x80, 'z'}, [](CArchive& ar) { EXPECT_EQ(ar.ReadString(), u"A\u20ACz"); });
    // Narrow with the u16 escape: FF then a length below 0xFFFE.
    Bytes longNarrow{0xFF, 0x00, 0x01};
    longNarrow.insert(longNarrow.end(), 256, 'q');
    LoadFromBytes(longNarrow, [](CArchive& ar) { EXPECT_EQ(ar.ReadString(), std::u16string(256, u'q')); });
}

TEST(Archive, LoadingPastTheEndIsAnArchiveError) {
    auto expectEof = [](const Bytes& b, auto read) {
        try {
            LoadFromBytes(b, read);
            ADD_FAILURE() << "no error";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), CArchiveException::Cause::EndOfFile);
        }
    };
    expectEof(Bytes{1, 2, 3}, [](CArchive& ar) { ar.ReadU32(); });
    expectEof(Bytes{}, [](CArchive& ar) { ar.ReadU8(); });
    // The length promises 3 units, the data holds 2.
    expectEof(Bytes{0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0}, [](CArchive& ar) { ar.ReadString(); });
    // A huge length with no data behind it fails without allocating it.
    expectEof(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}, [](CArchive& ar) { ar.ReadString(); });
}

TEST(Archive, SixtyFourBitLengthAboveTheLimitIsRejected) {
    Bytes b{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (uint8_t byte : {0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00}) b.push_back(byte);
    try {
        LoadFromBytes(b, [](CArchive& ar) { ar.ReadString(); });
        ADD_FAILURE() << "no error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::Cause::BadLength);
    }
}

TEST(Archive, RawBlockCutShortKeepsTheRestOfItsBytes) {
    std::array<uint8_t, 6> block{9, 9, 9, 9, 9, 9};
    LoadFromBytes(Bytes{1, 2, 3}, [&](CArchive& ar) { EXPECT_EQ(ar.ReadBlock(block.data(), block.size()), 3u); });
    EXPECT_EQ(block, (std::array<uint8_t, 6>{1, 2, 3, 9, 9, 9}));
}

TEST(Archive, WrongDirectionIsAnArchiveError) {
    std::stringbuf buf;
    CArchive loading(buf, CArchive::Mode::Load);
    EXPECT_THROW(loading.WriteU32(1), CArchiveException);
    CArchive storing(buf, CArchive::Mode::Store);
    EXPECT_THROW(storing.ReadU8(), CArchiveException);
    std::array<uint8_t, 2> block{};
    EXPECT_THROW(storing.ReadBlock(block.data(), 2), CArchiveException);
}
