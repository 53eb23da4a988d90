#pragma once
// The 28-byte input record of a 32-bit process's SendInput call, kept byte
// for byte as data files store it. Keyboard and mouse views share the bytes;
// the accessors read and write little-endian fields at the record's offsets.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr uint32_t kInputMouse = 0;
constexpr uint32_t kInputKeyboard = 1;
constexpr uint32_t kKeyEventExtendedKey = 0x0001;
constexpr uint32_t kKeyEventKeyUp = 0x0002;
// Mouse button flags; an X button's record names the button in its mouse data.
constexpr uint32_t kMouseLeftDown = 0x0002, kMouseLeftUp = 0x0004;
constexpr uint32_t kMouseRightDown = 0x0008, kMouseRightUp = 0x0010;
constexpr uint32_t kMouseMiddleDown = 0x0020, kMouseMiddleUp = 0x0040;
constexpr uint32_t kMouseXDown = 0x0080, kMouseXUp = 0x0100;

class InputRecord {
public:
    static constexpr std::size_t kSize = 28;

    InputRecord() = default;
    static InputRecord Keyboard(uint16_t vk, uint16_t scan, uint32_t flags);

    uint32_t Type() const { return U32(0); }
    void SetType(uint32_t v) { SetU32(0, v); }

    // Keyboard view (type 1).
    uint16_t Vk() const { return U16(4); }
    uint16_t Scan() const { return U16(6); }
    uint32_t KeyFlags() const { return U32(8); }
    uint32_t KeyTime() const { return U32(12); }
    uint32_t KeyExtra() const { return U32(16); }
    void SetVk(uint16_t v) { SetU16(4, v); }
    void SetScan(uint16_t v) { SetU16(6, v); }
    void SetKeyFlags(uint32_t v) { SetU32(8, v); }
    void SetKeyTime(uint32_t v) { SetU32(12, v); }

    // Mouse view (type 0).
    int32_t Dx() const { return static_cast<int32_t>(U32(4)); }
    int32_t Dy() const { return static_cast<int32_t>(U32(8)); }
    uint32_t MouseData() const { return U32(12); }
    uint32_t MouseFlags() const { return U32(16); }
    uint32_t MouseTime() const { return U32(20); }
    uint32_t MouseExtra() const { return U32(24); }
    void SetMouseData(uint32_t v) { SetU32(12, v); }
    void SetMouseFlags(uint32_t v) { SetU32(16, v); }

    const std::array<uint8_t, kSize>& Bytes() const { return bytes_; }
    std::array<uint8_t, kSize>& Bytes() { return bytes_; }

    bool operator==(const InputRecord&) const = default;

private:
    uint16_t U16(std::size_t at) const;
    uint32_t U32(std::size_t at) const;
    void SetU16(std::size_t at, uint16_t v);
    void SetU32(std::size_t at, uint32_t v);

    std::array<uint8_t, kSize> bytes_{};
};
static_assert(sizeof(InputRecord) == InputRecord::kSize);
