// A folder where writing fails partway, as on a full disk, for the tests of what a failed
// write leaves behind.
//
// Where the system allows it (root on Linux), the folder is a small tmpfs mounted in a private
// mount namespace of the calling thread, so that nobody else sees it and it goes with the
// process; the disk is then filled up to `room` bytes. Otherwise the writer's fault hook
// (brelvan::testing::failWritesAfter) lets every atomic write fail after `room` bytes. Either
// way a test runs: it never skips for want of a mount.
#pragma once

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/FileIo.h"

class FullDisk {
public:
    enum class Kind { FileSystem, Hook };

    // `kind` FileSystem falls back to Hook when no file system can be mounted here.
    explicit FullDisk(Kind kind = Kind::FileSystem) {
        char pattern[] = "/tmp/brelvan-voll-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        m_folder = made ? made : "";
        if (kind == Kind::FileSystem && made && privateMountNamespace() &&
            ::mount("brelvan-test", m_folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=4m,mode=0755") == 0)
            m_mounted = true;
    }
    ~FullDisk() {
        release();
        std::error_code ec;
        if (m_mounted) {
            for (const auto& e : std::filesystem::directory_iterator(m_folder, ec))
                std::filesystem::remove_all(e.path(), ec);
            ::umount2(m_folder.c_str(), MNT_DETACH);
        }
        std::filesystem::remove_all(m_folder, ec);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const char* how() const { return m_mounted ? "volles tmpfs" : "Schreibfehler-Haken"; }
    const std::string& folder() const { return m_folder; }
    std::string file(const std::string& name) const { return m_folder + "/" + name; }

    // From now on a write gets `room` more bytes onto the disk, then fails with "no space".
    void fill(std::size_t room = 8192) {
        if (!m_mounted) {
            brelvan::testing::failWritesAfter(room);
            m_armed = true;
            return;
        }
        const std::string filler = file(kFiller);
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return;
        const std::string block(4096, 'F');
        std::size_t written = 0;
        for (;;) {
            const ssize_t n = ::write(fd, block.data(), block.size());
            if (n <= 0)
                break;
            written += static_cast<std::size_t>(n);
        }
        // Round down to whole pages, which is what tmpfs counts.
        const std::size_t keep = written > room ? ((written - room) / 4096) * 4096 : 0;
        (void)!::ftruncate(fd, static_cast<off_t>(keep));
        ::close(fd);
        m_armed = true;
    }
    // The disk has room again.
    void release() {
        if (!m_armed)
            return;
        m_armed = false;
        if (m_mounted) {
            std::error_code ec;
            std::filesystem::remove(file(kFiller), ec);
        } else {
            brelvan::testing::failWritesAfter(std::nullopt);
        }
    }

    // The names in the folder (without the filler).
    std::set<std::string> names() const { return namesIn(m_folder); }
    static std::set<std::string> namesIn(const std::string& folder) {
        std::set<std::string> out;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec))
            if (e.path().filename() != kFiller)
                out.insert(e.path().filename().string());
        return out;
    }

private:
    static constexpr const char* kFiller = "fueller.bin";

    // Mounts made from now on by this thread are seen by nobody else.
    static bool privateMountNamespace() {
        static const bool done = ::unshare(CLONE_NEWNS) == 0 &&
                                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return done;
    }

    std::string m_folder;
    bool m_mounted = false;
    bool m_armed = false;
};
