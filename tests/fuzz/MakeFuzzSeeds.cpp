// Writes the starting corpus of every harness: valid files of each kind as
// the program stores them, so the fuzzers begin from real structure instead
// of binaries kept in git. Usage: MakeFuzzSeeds FOLDER
#include <filesystem>
#include <fstream>
#include <iostream>

#include "FuzzSupport.h"
#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"

namespace {
namespace fs = std::filesystem;

void Write(const fs::path& folder, const std::string& harness, const std::string& name, CDocument& doc) {
    fs::create_directories(folder / harness);
    std::ofstream(folder / harness / name, std::ios::binary) << fuzz::Store(doc);
}

CDocProfile AssignedProfile(const std::u16string& name) {
    CDocProfile p;
    p.ResetToDefaults();
    p.name = name;
    p.accelerator = 3;
    p.keys[0x41].kind = kKindMacro;
    p.keys[0x41].macroName = u"Jump";
    p.keys[0x41].playMode = kPlayWhilePressed;
    p.keys[0x42].kind = kKindLaunch;
    p.keys[0x42].programPath = u"C:\\Games\\game.exe";
    p.keys[0x43].kind = kKindShortcut;
    p.keys[0x43].shortcutCount = 2;
    p.keys[0x43].shortcutInputs[0] = InputRecord::Keyboard(0x11, 0x1D, 0);
    p.keys[0x43].shortcutInputs[1] = InputRecord::Keyboard(0x11, 0x1D, kKeyEventKeyUp);
    return p;
}

CDocMacro Recorded(const std::u16string& name, uint32_t presses) {
    CDocMacro m;
    m.name = name;
    for (uint32_t i = 0; i < presses; ++i) {
        m.events.push_back(MacroEvent::Key(static_cast<uint16_t>(0x41 + i), static_cast<uint16_t>(0x1E + i), 0, 30));
        m.events.push_back(MacroEvent::Key(static_cast<uint16_t>(0x41 + i), static_cast<uint16_t>(0x1E + i),
                                           kKeyEventKeyUp, 45));
    }
    return m;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: MakeFuzzSeeds FOLDER\n";
        return 2;
    }
    const fs::path folder = argv[1];

    CDocProfileSet first;
    first.currentName = u"Profile1";
    first.AddDefaultProfile(u"Profile1");
    Write(folder, "FuzzProfileSet", "first-run.pfs", first);
    CDocProfileSet two;
    two.Insert(AssignedProfile(u"Game"));
    two.Insert(AssignedProfile(u"Work"));
    two.currentName = u"Work";
    Write(folder, "FuzzProfileSet", "two.pfs", two);

    CDocProfile profile = AssignedProfile(u"Game");
    Write(folder, "FuzzProfile", "game.pf", profile);

    CDocMacroSet empty;
    Write(folder, "FuzzMacroSet", "empty.mcs", empty);
    CDocMacroSet macros;
    macros.Insert(Recorded(u"Jump", 2));
    macros.Insert(Recorded(u"Macro1", 0));
    macros.currentName = u"Jump";
    Write(folder, "FuzzMacroSet", "two.mcs", macros);

    CDocMacro macro = Recorded(u"Jump", 3);
    Write(folder, "FuzzMacro", "jump.mc", macro);
    return 0;
}
