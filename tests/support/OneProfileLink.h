#pragma once
// A test against the simulated keyboard with one default profile, current,
// and the channel open with the keyboard's log cleared: where the rules of
// the pages start.
#include <gtest/gtest.h>

#include "model/DocProfileSet.h"
#include "support/SimulatedLink.h"

class OneProfileLink : public ::testing::Test, public SimulatedLink {
protected:
    void SetUp() override {
        set.AddDefaultProfile(u"Profile1");
        set.currentName = u"Profile1";
        ASSERT_TRUE(channel.Open());
        keyboard.ClearLog();
    }

    CDocProfileSet set;
};
