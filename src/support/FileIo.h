// Whole-file reading and atomic writing for case files, measurement files and report files,
// with one way to report failure: an IoResult that holds either the value or the reason in
// German (without the file name, so the caller can put it into its own sentence).
//
// Reading is bounded: a file larger than the limit is refused, and a file that is not a
// regular file (a FIFO, a device) is read exactly once. Writing only ever replaces a regular
// file (or creates a new one): it writes through symbolic links, keeps the mode and, where
// permitted, the owner of the file it replaces, refuses read-only files, and flushes the data
// and the folder to the disk.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace brelvan {

// A value or the German reason why there is none.
template <class T = std::monostate> class IoResult {
public:
    IoResult() = default; // a success, for IoResult<>
    IoResult(T value) : m_state(std::move(value)) {}
    static IoResult failure(std::string reason) {
        IoResult r;
        r.m_state = Failure{std::move(reason)};
        return r;
    }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<T>(m_state); }
    const T& value() const { return std::get<T>(m_state); }
    // "" on success.
    const std::string& error() const {
        static const std::string none;
        return ok() ? none : std::get<Failure>(m_state).reason;
    }

private:
    struct Failure {
        std::string reason;
    };
    std::variant<T, Failure> m_state;
};

// The most bytes any file of this program may have: case files, measurement files and report
// files are a few kilobytes.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Paths are UTF-8 text.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// The wording of a system error code in the current language ("sie existiert nicht",
// "keine Berechtigung", ...).
std::string systemErrorText(int errorCode);

// The whole content of the file `path`; a file of more than `limit` bytes is refused.
IoResult<std::string> readFileBounded(const std::string& path, std::size_t limit = kMaxFileBytes);

// Replaces the content of `path` by `bytes` so that the file holds either its previous
// content or all of `bytes`: written to a temporary file in the same folder, flushed, renamed
// over the file, then the folder flushed. A symbolic link stays and its target is replaced.
// Only a regular file or a name that does not exist yet is written; a read-only file or a
// read-only folder is refused, also for root, who may otherwise write anything. A failure
// leaves the old file as it was and no temporary file behind.
IoResult<> writeFileAtomically(const std::string& path, std::string_view bytes);

namespace testing {
// For the tests of what a failed write leaves behind where the disk cannot be filled: while
// set, every writeFileAtomically fails as on a full disk once `bytes` bytes of its temporary
// file are written. std::nullopt ends it.
void failWritesAfter(std::optional<std::size_t> bytes);
} // namespace testing

} // namespace brelvan
