#pragma once
// UTF-8 <-> UTF-16 for tools, files and tests. Ill-formed input never fails:
// each bad sequence or lone surrogate becomes U+FFFD.
#include <string>
#include <string_view>

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);
