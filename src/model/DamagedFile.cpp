#include "model/DamagedFile.h"

#include <ctime>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr int kMaxSameMinute = 100;

std::u16string Stamp(std::chrono::system_clock::time_point now) {
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32] = {};
    std::strftime(text, sizeof(text), "%Y%m%d-%H%M", &local);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

bool Exists(IFileStore& files, const std::u16string& path) {
    FileError error = FileError::None;
    return files.OpenForReading(path, error) != nullptr || error != FileError::NotFound;
}
}  // namespace

std::optional<std::u16string> KeepDamagedCopy(IFileStore& files, const std::u16string& path,
                                              std::chrono::system_clock::time_point now) {
    FileError error = FileError::None;
    auto source = files.OpenForReading(path, error);
    if (!source) return std::nullopt;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(source.get()), std::istreambuf_iterator<char>()};

    const std::u16string base = path + u".damaged-" + Stamp(now);
    std::u16string kept = base;
    for (int n = 2; Exists(files, kept); ++n) {
        if (n > kMaxSameMinute) return std::nullopt;
        const std::string suffix = "-" + std::to_string(n);
        kept = base + std::u16string(suffix.begin(), suffix.end());
    }
    auto copy = files.BeginReplace(kept, error);
    if (!copy) return std::nullopt;
    const auto written = copy->Buffer().sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (written != static_cast<std::streamsize>(bytes.size()) || copy->Commit() != FileError::None) return std::nullopt;
    return kept;
}
