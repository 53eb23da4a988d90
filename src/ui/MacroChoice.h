#pragma once
// The macro sub-page's decisions: which macro it shows for a key and how it
// reads the play count.
//
// A key plays the macro of exactly its stored name, so the page selects
// exactly that name. When no macro has it any more, nothing is selected and
// the stored name stays unless the user picks another macro.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The playback options as the option list names them, in value order.
struct PlayOptionText {
    std::u16string_view id;
    std::u16string_view english;
};
extern const std::array<PlayOptionText, 4> kPlayOptions;

// Position of `stored` in `names`, compared exactly; -1 when absent.
int MacroPosition(const std::vector<std::u16string>& names, const std::u16string& stored);

// The play count the edit's text gives, read as "%d" reads it: leading
// white space, an optional sign, then digits (a number beyond the 32-bit
// signed range is taken as its nearest end). `previous` when the text does
// not begin with a number.
uint32_t ParsePlayCount(std::u16string_view text, uint32_t previous);
// The play count as the edit shows it: a signed decimal number.
std::u16string PlayCountText(uint32_t count);
// The play count label and edit show only for this playback option.
inline bool ShowsPlayCount(int option) { return option == 1; }  // play multiple times
