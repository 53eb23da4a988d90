// Random user operations on the profile strip, checked after each one
// against a plain model of what every profile holds, which is current, and
// which questions were asked. The prompt confirms the name edit while it
// asks, as the edit's focus loss does in the window.
#include <algorithm>
#include <deque>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "model/DocProfileSet.h"
#include "model/NamingRules.h"
#include "support/SimulatedLink.h"
#include "platform/StdFileStore.h"
#include "support/TempDir.h"
#include "ui/BacklightSettings.h"
#include "ui/GamingSettings.h"
#include "ui/ProfileStrip.h"

namespace {
using Name = std::u16string;

struct Settings {
    uint32_t accelerator = 0, on = 0, level = 0, effect = 0, gaming = 0, altTab = 0;
    bool operator==(const Settings&) const = default;
};

Settings Of(const CDocProfile& p) {
    return {p.accelerator, p.backlightOn, p.brightnessLevel, p.backlightEffect, p.gamingMode, p.disableAltTab};
}

Settings Defaults() {
    CDocProfile p;
    p.ResetToDefaults();
    return Of(p);
}

const Name kImported = u"Imported";
const Settings kImportedSettings{0, 0, 7, 2, 0, 1};

// What the user expects: the rules of the strip written out plainly.
struct Model {
    std::map<Name, Settings> profiles;
    std::vector<Name> items;
    Name current;
    Settings working;
    bool modified = false;
    std::optional<Name> pending;
    std::vector<Name> questions;
    std::vector<Name> warnings;
    std::deque<bool> answers;  // what the prompt answered, in order

    bool Taken(const Name& n) const { return profiles.contains(n); }
    void ListInOrder() {
        items.clear();
        for (const auto& [name, s] : profiles) items.push_back(name);
    }
    bool Ask(const Name& question) {
        questions.push_back(question);
        if (answers.empty()) return false;  // not asked: the questions differ
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void Edit(const Name& text) {
        if (text == current) {
            pending.reset();
            return;
        }
        pending = text;
        modified = true;
    }
    void Confirm() {
        if (!pending) return;
        const Name text = TrimmedName(*pending);
        pending.reset();
        if (text == current) return;
        if (text.empty()) return warnings.push_back(u"A profile name cannot be empty.");
        if (Taken(text)) return warnings.push_back(u"A profile named '" + text + u"' already exists.");
        auto node = profiles.extract(current);
        node.key() = text;
        profiles.insert(std::move(node));
        current = text;
        ListInOrder();
    }
    void Leave(const Name& left, bool ask) {
        if (!profiles.contains(left) || !modified) return;
        if (ask && !Ask(u"Are you sure to save '" + left + u"'?")) profiles[left] = working;
    }
    template <class Command>
    void Change(bool users, Command command) {
        const Name named = current;
        if (users)
            Confirm();
        else
            pending.reset();
        const Name left = current;
        std::optional<Name> next = command();
        if (next == named) next = left;
        if (!next) return;
        Leave(left, users);
        current = *next;
        working = profiles[current];
        modified = false;
    }
    std::optional<Name> Append(const Name& name, const Settings& s) {
        profiles[name] = s;
        items.push_back(name);
        return name;
    }
    void SetValue(uint32_t Settings::*field, uint32_t value) {
        if (profiles[current].*field != value) modified = true;
        profiles[current].*field = value;
    }
};

struct Prompt final : IUserPrompt {
    void Warn(std::u16string_view text) override { warnings.emplace_back(text); }
    bool AskYesNo(std::u16string_view text) override {
        if (strip != nullptr) (void)strip->ConfirmName();  // the edit loses the focus to the box
        questions.emplace_back(text);
        answers.push_back(rng() % 2 == 0);
        return answers.back();
    }
    std::mt19937* rngPtr = nullptr;
    unsigned rng() { return (*rngPtr)(); }
    CProfileStrip* strip = nullptr;
    std::vector<Name> warnings, questions;
    std::deque<bool> answers;
};

// The pages over the real page rules; the keyboard counts what it got.
struct Steps final : IProfilePages, IProfileKeyboard, IProfileNames {
    Steps(CDocProfileSet& set, CDeviceChannel& channel) : backlight(set, channel), gaming(set, channel) {}
    void StoreInto(CDocProfile& left) override {
        CBacklightSettings::Store(left, lights);
        CGamingSettings::Store(left, game);
    }
    void ShowProfile(CDocProfile& current, ProfileReason) override {
        lights = CBacklightSettings::Show(current);
        game = CGamingSettings::Show(current);
    }
    void EndActivations(std::span<CKeyAction>) override {}
    void Apply(const CDocProfile& current, ProfileReason) override { applied = current.name; }
    // The keyboard holds no names: a rename sends nothing.
    void Renamed(const Name& from, const Name& to) override {
        if (applied == from) applied = to;
    }
    void Removed(const Name&) override {}

    CBacklightSettings backlight;
    CGamingSettings gaming;
    BacklightControls lights;
    GamingControls game;
    Name applied;
};

class ProfileChangeModel : public ::testing::TestWithParam<unsigned>, public SimulatedLink {
protected:
    void SetUp() override {
        ASSERT_TRUE(channel.Open());
        CDocProfile outside;
        outside.ResetToDefaults();
        outside.name = kImported;
        outside.backlightOn = kImportedSettings.on;
        outside.brightnessLevel = static_cast<uint8_t>(kImportedSettings.level);
        outside.backlightEffect = static_cast<uint8_t>(kImportedSettings.effect);
        outside.gamingMode = kImportedSettings.gaming;
        outside.disableAltTab = kImportedSettings.altTab;
        ASSERT_TRUE(outside.OnSaveDocument(importFile, io));
        for (const Name name : {u"Alpha", u"Beta", u"Profile1"}) {
            set.AddDefaultProfile(name);
            model.profiles[name] = Defaults();
        }
        set.currentName = model.current = u"Beta";
        model.working = Defaults();
        model.ListInOrder();
        prompt.rngPtr = &rng;
        prompt.strip = &strip;
        strip.Fill();
    }

    Name TypedName() {
        static const Name kTyped[] = {u"Alpha", u"Gamma", u" Delta ", u"\u3000\u200B", u"", u"Profile2", kImported, u"Zed"};
        return kTyped[rng() % std::size(kTyped)];
    }

    // Picks the operation's inputs, runs it on the strip, then on the model
    // with the answers the prompt gave meanwhile.
    void Step(unsigned op) {
        const std::size_t index = rng() % model.items.size();
        const Name name = model.items[index];
        const Name text = TypedName();
        const uint32_t value = rng() % 20;
        Act(op, static_cast<int>(index), name, text, value);
        model.answers = prompt.answers;
        Expect(op, name, text, value);
    }

    void Act(unsigned op, int index, const Name& name, const Name& text, uint32_t value) {
        switch (op) {
        case 0: return strip.Choose(index);
        case 1: return (void)strip.Select(name, ProfileReason::FnDigit);
        case 2: return (void)strip.Select(name, ProfileReason::Automatic);
        case 3: return strip.NewProfile();
        case 4: return strip.CopyProfile();
        case 5: return strip.DeleteProfile();
        case 6: return (void)strip.ImportProfile(importFile, io);
        case 7: return (void)strip.Rename(text);
        case 8: return strip.NameEdited(text);
        case 9:
            steps.lights.on = !steps.lights.on;
            return steps.backlight.OnSwitch(steps.lights);
        case 10:
            steps.lights.level = 1 + static_cast<int>(value);
            return steps.backlight.OnBrightness(steps.lights);
        case 11:
            steps.game.gaming = !steps.game.gaming;
            return steps.gaming.OnGamingSwitch(steps.game);
        default: return strip.AcceleratorChanged(value % 10);
        }
    }

    void Expect(unsigned op, const Name& name, const Name& text, uint32_t value) {
        const auto to = [](const Name& n) { return [n] { return std::optional(n); }; };
        switch (op) {
        case 0:
            if (name != model.current) model.Change(true, to(name));
            return;
        case 1: return model.Change(true, to(name));
        case 2: return model.Change(false, to(name));
        case 3:
            return model.Change(true, [&] {
                return model.Append(NextFreeName(u"Profile", [&](const Name& n) { return model.Taken(n); }), Defaults());
            });
        case 4:
            return model.Change(true, [&] {
                Settings copy = model.profiles[model.current];
                copy.accelerator = 0;
                return model.Append(CopyName(model.current, [&](const Name& n) { return model.Taken(n); }), copy);
            });
        case 5: return DeleteInModel();
        case 6:
            return model.Change(true, [&]() -> std::optional<Name> {
                if (!model.Taken(kImported)) return model.Append(kImported, kImportedSettings);
                if (!model.Ask(u"'" + kImported + u"' is existed, are you sure to replace it?")) return std::nullopt;
                if (model.current == kImported) model.modified = false;
                model.profiles[kImported] = kImportedSettings;
                return kImported;
            });
        case 7:
            model.Edit(text);
            return model.Confirm();
        case 8: return model.Edit(text);
        case 9: return model.SetValue(&Settings::on, steps.lights.on ? 1 : 0);
        case 10: return model.SetValue(&Settings::level, 1 + value);
        case 11: return model.SetValue(&Settings::gaming, steps.game.gaming ? 1 : 0);
        default:
            if (value % 10 != model.working.accelerator) model.modified = true;
            model.profiles[model.current].accelerator = value % 10;
        }
    }

    void DeleteInModel() {
        if (model.items.size() < 2) return;
        model.pending.reset();
        const auto at = std::find(model.items.begin(), model.items.end(), model.current);
        const std::size_t index = static_cast<std::size_t>(at - model.items.begin());
        model.items.erase(at);
        model.profiles.erase(model.current);
        const Name next = model.items[std::min(index, model.items.size() - 1)];
        model.Change(true, [&] { return std::optional(next); });
    }

    void ExpectAsModel() {
        EXPECT_EQ(prompt.questions, model.questions);
        EXPECT_EQ(prompt.warnings, model.warnings);
        ASSERT_EQ(set.currentName, model.current);
        EXPECT_EQ(strip.Items(), model.items);
        ASSERT_GE(strip.Selected(), 0);
        EXPECT_EQ(strip.Items()[static_cast<std::size_t>(strip.Selected())], model.current);
        ASSERT_EQ(set.profiles.size(), model.profiles.size());
        for (const auto& [name, expected] : model.profiles) {
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            ASSERT_NE(set.Find(name), nullptr);
            EXPECT_EQ(Of(*set.Find(name)), expected);
        }
        EXPECT_EQ(set.Current()->IsModified(), model.modified);
        EXPECT_EQ(steps.applied, model.current) << "the keyboard has the current profile";
    }

    TempDir dir;
    Name importFile = dir.File("imported.pf");
    std::mt19937 rng{GetParam()};
    CDocProfileSet set;
    Model model;
    Prompt prompt;
    StdFileStore files;
    DocumentIo io{files, prompt};
    Steps steps{set, channel};
    CProfileStrip strip{set, prompt, ProfileSteps{steps, steps, steps}};
};

TEST_P(ProfileChangeModel, EveryProfileHoldsWhatTheUserLeftInIt) {
    for (int i = 0; i < 80 && !HasFailure(); ++i) {
        const unsigned op = rng() % 13;
        SCOPED_TRACE("operation " + std::to_string(i) + " of kind " + std::to_string(op));
        for (auto* list : {&prompt.questions, &prompt.warnings, &model.questions, &model.warnings}) list->clear();
        prompt.answers.clear();
        Step(op);
        ExpectAsModel();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ProfileChangeModel, ::testing::Range(1u, 41u));
}  // namespace
