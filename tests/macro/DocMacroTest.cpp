#include "macro/DocMacro.h"

#include <gtest/gtest.h>

#include "support/DocumentFixture.h"

namespace {
using DocMacro = DocumentFixture;

CDocMacro Typing() {
    CDocMacro m;
    m.name = u"Typing";
    m.events = {MacroEvent::Key(0x41, 0x1E, 0, 0), MacroEvent::Key(0x41, 0x1E, kKeyEventKeyUp, 120),
                MacroEvent::Key(0xA3, 0x1D, kKeyEventExtendedKey, 5)};
    return m;
}
}  // namespace

TEST_F(DocMacro, EmptyMacroStores22Bytes) {
    CDocMacro m;
    m.name = u"Macro1";
    EXPECT_EQ(Store(m), (Bytes{0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x06, 0x4D, 0x00, 0x61, 0x00, 0x63,
                               0x00, 0x72, 0x00, 0x6F, 0x00, 0x31, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(DocMacro, EventsAreStoredAsKeyboardInputRecords) {
    CDocMacro m = Typing();
    const Bytes b = Store(m);
    const std::size_t first = 2 + ArchiveString(u"Typing").size() + 4;
    ASSERT_EQ(b.size(), first + 3 * 28);
    Bytes press{1, 0, 0, 0, 0x41, 0, 0x1E, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Bytes release{1, 0, 0, 0, 0x41, 0, 0x1E, 0, 2, 0, 0, 0, 0x78, 0, 0, 0};
    press.resize(28);
    release.resize(28);
    EXPECT_EQ(Bytes(b.begin() + static_cast<long>(first), b.begin() + static_cast<long>(first + 28)), press);
    EXPECT_EQ(Bytes(b.begin() + static_cast<long>(first + 28), b.begin() + static_cast<long>(first + 56)), release);
    EXPECT_TRUE(m.events[1].IsRelease());
    EXPECT_FALSE(m.events[2].IsRelease());
}

TEST_F(DocMacro, ExportedMacroKeepsOrderBytesLeadWordAndStoredName) {
    CDocMacro m = Typing();
    m.leadWord = 0xBEEF;
    ASSERT_TRUE(m.OnSaveDocument(dir.File("other-name.mc"), io));
    CDocMacro back;
    ASSERT_TRUE(back.OnOpenDocument(dir.File("other-name.mc"), io));
    EXPECT_EQ(back.name, u"Typing");
    EXPECT_EQ(back.leadWord, 0xBEEF);
    ASSERT_EQ(back.events.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(back.events[i], m.events[i]) << i;
    EXPECT_EQ(back.events[1].Delay(), 120u);
}

// Cut in the name, the count or the events: the file is malformed and the
// macro keeps no events. A count far beyond the data fails the same way.
TEST_F(DocMacro, ShortDataIsUnexpectedFormat) {
    CDocMacro m = Typing();
    const Bytes whole = Store(m);
    Bytes huge = whole;
    const std::size_t countAt = 2 + ArchiveString(u"Typing").size();
    for (std::size_t i = 0; i < 4; ++i) huge[countAt + i] = 0xFF;
    const std::vector<Bytes> files = {Head(whole, 5), Head(whole, countAt + 2), Head(whole, whole.size() - 1),
                                      Head(whole, whole.size() - 28), huge};
    for (std::size_t i = 0; i < files.size(); ++i) {
        WriteFileBytes(dir / "bad.mc", files[i]);
        CDocMacro back = Typing();
        prompt.warnings.clear();
        EXPECT_FALSE(back.OnOpenDocument(dir.File("bad.mc"), io)) << i;
        EXPECT_EQ(prompt.warnings, std::vector<std::u16string>{u"Unexpected file format."}) << i;
        EXPECT_TRUE(back.events.empty()) << i;
    }
}

TEST_F(DocMacro, CopyTakesNameEventsAndLeadWord) {
    CDocMacro m = Typing();
    m.leadWord = 4;
    m.SetModifiedFlag();
    CDocMacro copy(m);
    EXPECT_EQ(Store(copy), Store(m));
    EXPECT_FALSE(copy.IsModified());
    const CDocMacro& self = copy;
    copy = self;  // copying onto itself changes nothing
    EXPECT_EQ(Store(copy), Store(m));
}
