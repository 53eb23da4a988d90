#pragma once
// The seven mouse functions of a Mouse key action and their record forms.
// Writing a function sets only the fields its row names; the other fields of
// both records keep their values. A wheel function clears the second record
// (an empty mouse input), so no earlier click's release stays in it.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class CKeyAction;

struct MouseFunctionInfo {
    std::string_view id;         // text identifier in the language tables
    std::u16string_view english; // fallback text
};

enum class MouseFunction : uint32_t {
    LeftClick, RightClick, ScrollClick, Button4, Button5, ScrollUp, ScrollDown
};

constexpr std::size_t kMouseFunctionCount = 7;
extern const std::array<MouseFunctionInfo, kMouseFunctionCount> kMouseFunctions;

void WriteMouseFunction(CKeyAction& action, MouseFunction function);
// The function the first mouse record describes, or none.
std::optional<MouseFunction> ReadMouseFunction(const CKeyAction& action);
