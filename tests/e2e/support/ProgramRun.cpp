#include "e2e/support/ProgramRun.h"

#include <stdexcept>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/StdFileStore.h"
#include "support/FakeUserPrompt.h"

ProgramRun::ProgramRun() : folder_(MakeAppFolder(L"e2e", true)) {}

ProgramRun::~ProgramRun() {
    app_.reset();
    StopWatching();
}

void ProgramRun::StopWatching() {
    watching_ = false;
    if (watcher_.joinable()) watcher_.join();
}

namespace {
void Write(CDocument& document, const std::filesystem::path& path) {
    StdFileStore files;
    FakeUserPrompt prompt;
    if (!document.OnSaveDocument(path.u16string(), DocumentIo{files, prompt}))
        throw std::runtime_error("cannot write a data file of the run");
}
}  // namespace

void ProgramRun::WriteProfiles(CDocProfileSet& profiles) const { Write(profiles, Folder() / "qorn.pfs"); }

void ProgramRun::WriteMacros(CDocMacroSet& macros) const { Write(macros, Folder() / "qorn.mcs"); }

namespace {
template <class Set>
Set Read(const std::filesystem::path& path) {
    StdFileStore files;
    FakeUserPrompt prompt;
    Set set;
    if (!set.OnOpenDocument(path.u16string(), DocumentIo{files, prompt}))
        throw std::runtime_error("cannot read a data file the program saved");
    return set;
}
}  // namespace

CDocProfileSet ProgramRun::ReadProfiles() const { return Read<CDocProfileSet>(Folder() / "qorn.pfs"); }

CDocMacroSet ProgramRun::ReadMacros() const { return Read<CDocMacroSet>(Folder() / "qorn.mcs"); }

std::vector<std::wstring> ProgramRun::Answered() {
    const std::lock_guard<std::mutex> hold(answeredLock_);
    return answered_;
}

// A second start (after Exit) first ends the watch of the run before.
bool ProgramRun::Start(const std::wstring& arguments) {
    StopWatching();
    app_ = std::make_unique<AppProcess>(folder_, arguments);
    if (!app_->Started()) return false;
    watching_ = true;
    watcher_ = std::thread([this] {
        while (watching_) {
            const std::wstring text = AnswerMessageBox(std::chrono::milliseconds(100));
            if (text.empty()) continue;
            const std::lock_guard<std::mutex> hold(answeredLock_);
            answered_.push_back(text);
        }
    });
    return true;
}

bool ProgramRun::Exit(DWORD timeoutMs) {
    const std::chrono::milliseconds timeout(timeoutMs);
    HWND main = WaitForMainWindow(timeout);
    if (!app_ || !main || !PostMessageW(main, WM_COMMAND, kExitCommand, 0)) return false;
    return app_->WaitForExit(timeout);
}
