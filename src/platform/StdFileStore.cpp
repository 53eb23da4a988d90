#include "platform/StdFileStore.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
// Large enough that the archive's small reads and writes rarely reach the
// operating system.
constexpr std::size_t kBufferSize = 256 * 1024;

// A file buffer with its own storage that remembers why a transfer failed.
class FileBuffer final : public std::filebuf {
public:
    FileBuffer() : storage_(new char[kBufferSize]) { setbuf(storage_.get(), kBufferSize); }
    int LastErrno() const { return lastErrno_; }
    bool CloseChecked() {
        errno = 0;
        if (close() != nullptr) return true;
        lastErrno_ = errno;
        return false;
    }

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        errno = 0;
        const std::streamsize done = std::filebuf::xsputn(s, n);
        if (done != n) lastErrno_ = errno;
        return done;
    }
    int_type overflow(int_type c) override {
        errno = 0;
        const int_type r = std::filebuf::overflow(c);
        if (traits_type::eq_int_type(r, traits_type::eof())) lastErrno_ = errno;
        return r;
    }

private:
    std::unique_ptr<char[]> storage_;
    int lastErrno_ = 0;
};

bool ToPath(const std::u16string& text, fs::path& path) {
    try {
        path = fs::path(text);
        return !text.empty();
    } catch (const std::exception&) {
        return false;
    }
}

// The path of a file to open: BadPath when `text` does not convert or, with
// `named`, names no file; AccessDenied when it is a folder.
bool FilePath(const std::u16string& text, bool named, fs::path& path, FileError& error) {
    if (!ToPath(text, path) || (named && !path.has_filename())) {
        error = FileError::BadPath;
        return false;
    }
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = FileError::AccessDenied;
        return false;
    }
    return true;
}

// A missing file in an existing folder is "not found"; a missing folder
// makes the whole path invalid.
FileError OpenError(const fs::path& path, int errnoValue) {
    if (errnoValue != ENOENT) return FileErrorFromErrno(errnoValue);
    std::error_code ec;
    const fs::path folder = path.parent_path();
    return folder.empty() || fs::is_directory(folder, ec) ? FileError::NotFound : FileError::BadPath;
}

// Forces a closed file's bytes to the medium so the rename never publishes
// a file whose content is still only in memory.
bool SyncFile(const fs::path& path) {
#if defined(_WIN32)
    const int fd = _wopen(path.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) return false;
    const bool ok = _commit(fd) == 0;
    _close(fd);
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
#endif
    return ok;
}

// Makes the rename itself durable; Windows has no folder handle to flush.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#if !defined(_WIN32)
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);  // the data is already safe in the new file
    ::close(fd);
#endif
}

fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path name = target.filename();
    name += ".~" + std::to_string(stamp) + "-" + std::to_string(counter++) + ".tmp";
    return target.parent_path() / name;
}

class StdFileReplacement final : public IFileReplacement {
public:
    StdFileReplacement(fs::path target, fs::path temporary)
        : target_(std::move(target)), temporary_(std::move(temporary)) {}
    ~StdFileReplacement() override {
        if (committed_) return;
        buffer_.close();
        std::error_code ec;
        fs::remove(temporary_, ec);
    }

    bool Open() {
        errno = 0;
        if (buffer_.open(temporary_, std::ios::out | std::ios::trunc | std::ios::binary)) return true;
        openErrno_ = errno;
        return false;
    }
    int OpenErrno() const { return openErrno_; }

    std::streambuf& Buffer() override { return buffer_; }
    FileError WriteError() const override {
        return buffer_.LastErrno() ? FileErrorFromErrno(buffer_.LastErrno()) : FileError::Generic;
    }

    FileError Commit() override {
        if (!buffer_.CloseChecked()) return WriteError();
        if (!SyncFile(temporary_)) return FileErrorFromErrno(errno);
        std::error_code ec;
        fs::rename(temporary_, target_, ec);
        if (ec) return FileErrorFromErrno(ec.default_error_condition().value());
        committed_ = true;
        SyncFolder(target_.parent_path());
        return FileError::None;
    }

private:
    fs::path target_;
    fs::path temporary_;
    FileBuffer buffer_;
    int openErrno_ = 0;
    bool committed_ = false;
};
}  // namespace

FileError FileErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOENT: return FileError::NotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ: return FileError::BadPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileError::AccessDenied;
    case EBUSY:
    case ETXTBSY: return FileError::Sharing;
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
    case EFBIG: return FileError::DiskFull;
    default: return FileError::Generic;
    }
}

std::unique_ptr<std::streambuf> StdFileStore::OpenForReading(const std::u16string& text, FileError& error) {
    fs::path path;
    if (!FilePath(text, false, path, error)) return nullptr;
    auto buffer = std::make_unique<FileBuffer>();
    errno = 0;
    if (!buffer->open(path, std::ios::in | std::ios::binary)) {
        error = OpenError(path, errno);
        return nullptr;
    }
    error = FileError::None;
    return buffer;
}

std::unique_ptr<IFileReplacement> StdFileStore::BeginReplace(const std::u16string& text, FileError& error) {
    fs::path path;
    if (!FilePath(text, true, path, error)) return nullptr;
    auto replacement = std::make_unique<StdFileReplacement>(path, TemporaryBeside(path));
    if (!replacement->Open()) {
        const int e = replacement->OpenErrno();
        error = e == ENOENT ? FileError::BadPath : FileErrorFromErrno(e);
        return nullptr;
    }
    error = FileError::None;
    return replacement;
}
