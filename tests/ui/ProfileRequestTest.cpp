// The command line's profile switch: the argument rule, and the payload a
// second copy sends, checked before use.
#include "ui/ProfileRequest.h"

#include <gtest/gtest.h>

TEST(ProfileRequest, TheArgumentNamesTheProfileAfterTheSwitch) {
    using Args = std::vector<std::u16string>;
    EXPECT_EQ(RequestedProfile(Args{u"/profile", u"Raid Night"}), u"Raid Night");
    EXPECT_EQ(RequestedProfile(Args{u"-PROFILE", u"Beta"}), u"Beta");
    EXPECT_EQ(RequestedProfile(Args{u"/profile"}), std::nullopt) << "no name";
    EXPECT_EQ(RequestedProfile(Args{u"/profiles", u"Beta"}), std::nullopt);
    EXPECT_EQ(RequestedProfile(Args{}), std::nullopt);
}

TEST(ProfileRequest, OnlyAWellFormedPayloadOfOursGivesAName) {
    const std::u16string name = u"B\u00eata\u6e38";
    const std::vector<uint8_t> good = EncodeProfileRequest(name);
    EXPECT_EQ(DecodeProfileRequest(kProfileRequestTag, good.data(), good.size()), name);

    const std::vector<uint8_t> withNul = EncodeProfileRequest(std::u16string(u"a\0b", 3));
    const std::vector<uint8_t> tooLong = EncodeProfileRequest(std::u16string(kMaxRequestedNameUnits + 1, u'x'));
    const std::vector<uint8_t> longest = EncodeProfileRequest(std::u16string(kMaxRequestedNameUnits, u'x'));
    EXPECT_EQ(DecodeProfileRequest(kProfileRequestTag, longest.data(), longest.size())->size(), kMaxRequestedNameUnits);
    const struct {
        const char* name;
        uintptr_t tag;
        const void* data;
        std::size_t bytes;
    } refused[] = {
        {"another tag", kProfileRequestTag + 1, good.data(), good.size()},
        {"odd byte count", kProfileRequestTag, good.data(), good.size() - 1},
        {"empty", kProfileRequestTag, good.data(), 0},
        {"no data", kProfileRequestTag, nullptr, 4},
        {"a NUL inside", kProfileRequestTag, withNul.data(), withNul.size()},
        {"too long", kProfileRequestTag, tooLong.data(), tooLong.size()},
    };
    for (const auto& r : refused) EXPECT_EQ(DecodeProfileRequest(r.tag, r.data, r.bytes), std::nullopt) << r.name;
}
