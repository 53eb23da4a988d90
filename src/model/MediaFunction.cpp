#include "model/MediaFunction.h"

#include "model/KeyAction.h"

const std::array<MediaFunctionInfo, kMediaFunctionCount> kMediaFunctions = {{
    {"ID_MEDIA_VOL_DOWN", u"Volume Down", 0xAE},
    {"ID_MEDIA_VOL_UP", u"Volume Up", 0xAF},
    {"ID_MEDIA_MUTE", u"Mute", 0xAD},
    {"ID_MEDIA_PLAY_PAUSE", u"Play/Pause", 0xB3},
    {"ID_MEDIA_STOP", u"Stop", 0xB2},
    {"ID_MEDIA_PREV_TRACK", u"Previous Track", 0xB1},
    {"ID_MEDIA_NEXT_TRACK", u"Next Track", 0xB0},
}};

void WriteMediaFunction(CKeyAction& a, std::size_t index) {
    const uint16_t vk = kMediaFunctions.at(index).vk;
    a.mediaInputs[0] = InputRecord::Keyboard(vk, 0, 0);
    a.mediaInputs[1] = InputRecord::Keyboard(vk, 0, kKeyEventKeyUp);
}

std::optional<std::size_t> ReadMediaFunction(const CKeyAction& a) {
    for (std::size_t i = 0; i < kMediaFunctions.size(); ++i)
        if (kMediaFunctions[i].vk == a.mediaInputs[0].Vk()) return i;
    return std::nullopt;
}
