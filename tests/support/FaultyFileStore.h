#pragma once
// Wraps the real file store and makes saving fail: either the medium fills
// up after a set number of bytes, or the final replace step is refused.
// Reading passes through unchanged.
#include <memory>

#include "platform/StdFileStore.h"

class FaultyFileStore final : public IFileStore {
public:
    enum class Fault { None, DiskFullAfterBytes, ReplaceRefused };

    Fault fault = Fault::None;
    std::size_t bytesBeforeFull = 0;

    std::unique_ptr<std::streambuf> OpenForReading(const std::u16string& path, FileError& error) override {
        return real_.OpenForReading(path, error);
    }
    std::unique_ptr<IFileReplacement> BeginReplace(const std::u16string& path, FileError& error) override {
        auto inner = real_.BeginReplace(path, error);
        if (!inner) return nullptr;
        return std::make_unique<Replacement>(std::move(inner), *this);
    }

private:
    // Passes bytes on until the budget is spent, then refuses them.
    class LimitedBuffer final : public std::streambuf {
    public:
        LimitedBuffer(std::streambuf& inner, std::size_t budget, bool limited)
            : inner_(inner), budget_(budget), limited_(limited) {}
        bool Overrun() const { return overrun_; }

    protected:
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            std::streamsize allowed = n;
            if (limited_ && static_cast<std::size_t>(n) > budget_) {
                allowed = static_cast<std::streamsize>(budget_);
                overrun_ = true;
            }
            const std::streamsize done = inner_.sputn(s, allowed);
            if (limited_) budget_ -= static_cast<std::size_t>(done);
            return done;
        }
        int_type overflow(int_type c) override {
            if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
            const char ch = traits_type::to_char_type(c);
            return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
        }
        int sync() override { return inner_.pubsync(); }

    private:
        std::streambuf& inner_;
        std::size_t budget_;
        bool limited_;
        bool overrun_ = false;
    };

    class Replacement final : public IFileReplacement {
    public:
        Replacement(std::unique_ptr<IFileReplacement> inner, const FaultyFileStore& store)
            : inner_(std::move(inner)),
              fault_(store.fault),
              buffer_(inner_->Buffer(), store.bytesBeforeFull, store.fault == Fault::DiskFullAfterBytes) {}
        std::streambuf& Buffer() override { return buffer_; }
        FileError WriteError() const override {
            return buffer_.Overrun() ? FileError::DiskFull : inner_->WriteError();
        }
        FileError Commit() override {
            if (fault_ == Fault::ReplaceRefused) return FileError::Sharing;
            return inner_->Commit();
        }

    private:
        std::unique_ptr<IFileReplacement> inner_;
        Fault fault_;
        LimitedBuffer buffer_;
    };

    StdFileStore real_;
};
