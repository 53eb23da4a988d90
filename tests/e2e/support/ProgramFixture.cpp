#include "e2e/support/ProgramFixture.h"

#include "e2e/support/OverlappedDevice.h"

CDocProfileSet DefaultProfiles() {
    CDocProfileSet set;
    set.AddDefaultProfile(u"Profile1");
    set.currentName = u"Profile1";
    return set;
}

CDocProfileSet AlphaAndBeta() {
    CDocProfileSet profiles;
    for (const auto& [name, digit] : {std::pair{u"Alpha", 1u}, std::pair{u"Beta", 2u}}) {
        profiles.AddDefaultProfile(name);
        profiles.Find(name)->accelerator = digit;
    }
    profiles.currentName = u"Alpha";
    return profiles;
}

std::size_t UploadsBetween(const KeyboardLog& log, std::size_t from, std::size_t to) {
    std::size_t n = 0;
    for (std::size_t i = from; i < to && i < log.size(); ++i) n += log[i].kind == KBSIM_LOG_UPLOAD;
    return n;
}

KeyboardLog ProgramFixture::StartWith(CDocProfileSet profiles, const std::function<bool(const KeyboardLog&)>& started) {
    run_.WriteProfiles(profiles);
    {
        const OverlappedDevice device;
        EXPECT_EQ(DrainReports(device), DWORD(ERROR_SUCCESS)) << "reports of an earlier test stay queued";
    }
    watch_.Mark();
    EXPECT_TRUE(run_.Start());
    return watch_.WaitUntil(started, kProgramTimeoutMs);
}

void ProgramFixture::FnChord(uint8_t key) {
    constexpr uint8_t kFn = 0x73;
    watch_.Mark();
    watch_.Hold({kFn});
    watch_.Hold({kFn, key});
    watch_.Hold({kFn});
    watch_.Hold({});
}
