#include "support/FileIo.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "support/SupportTexts.h"
#include "support/TextFormat.h"

namespace fs = std::filesystem;

namespace brelvan {

using support::tx;

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const fs::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::string systemErrorText(int errorCode) {
    switch (errorCode) {
    case ENOENT:
        return tx("sie existiert nicht");
    case EACCES:
    case EPERM:
        return tx("keine Berechtigung");
    case EISDIR:
        return tx("es ist ein Ordner");
    case ENOTDIR:
        return tx("ein Teil des Pfades ist kein Ordner");
    case ENAMETOOLONG:
        return tx("der Name ist zu lang");
    case ELOOP:
        return tx("zu viele symbolische Verknüpfungen");
    case EROFS:
        return tx("das Dateisystem ist schreibgeschützt");
    case ENOSPC:
        return tx("auf dem Datenträger ist kein Platz mehr");
    case EDQUOT:
        return tx("das Speicherkontingent ist erschöpft");
    case EIO:
        return tx("Ein-/Ausgabefehler des Datenträgers");
    case EMFILE:
    case ENFILE:
        return tx("zu viele offene Dateien");
    case EBUSY:
    case ETXTBSY:
        return tx("sie ist in Gebrauch");
    case EXDEV:
        return tx("sie liegt auf einem anderen Datenträger");
    case EFBIG:
        return tx("sie ist zu groß");
    case ENXIO:
    case ENODEV:
        return tx("das Gerät ist nicht verfügbar");
    default: {
        // Not translated: the system's own wording, with the code.
        const char* text = std::strerror(errorCode);
        std::string s = cformat(tx("Systemfehler %d"), errorCode);
        if (text) {
            s += " (";
            s += text;
            s += ")";
        }
        return s;
    }
    }
}

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    // Closes now; the close's own error code, 0 on success.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

std::string limitText(std::size_t limit) {
    if (limit >= (std::size_t{1} << 20) && limit % (std::size_t{1} << 20) == 0)
        return std::to_string(limit >> 20) + " MiB";
    return cformat(tx("%s Bytes"), std::to_string(limit));
}

std::string tooLarge(std::size_t limit) {
    return cformat(tx("sie ist größer als %s und damit keine Datei dieses Programms"),
                   limitText(limit));
}

} // namespace

IoResult<std::string> readFileBounded(const std::string& path, std::size_t limit) {
    using R = IoResult<std::string>;
    // A FIFO opens once a writer is there; it is read once, like any other file.
    Fd fd(::open(pathFromUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return R::failure(systemErrorText(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return R::failure(systemErrorText(errno));
    if (S_ISDIR(st.st_mode))
        return R::failure(systemErrorText(EISDIR));
    if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > limit)
        return R::failure(tooLarge(limit));

    std::string bytes;
    std::string piece(std::size_t{1} << 16, '\0');
    for (;;) {
        const ssize_t n = ::read(fd.get(), piece.data(), piece.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return R::failure(systemErrorText(errno));
        }
        if (n == 0)
            break;
        if (static_cast<std::size_t>(n) > limit - bytes.size())
            return R::failure(tooLarge(limit));
        bytes.append(piece, 0, static_cast<std::size_t>(n));
    }
    return bytes;
}

namespace {

// The file a path names once symbolic links are followed; the path itself when it does not
// exist. A relative link target counts from the link's folder.
IoResult<fs::path> followLinks(fs::path p) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno == ENOENT)
                return p;
            return IoResult<fs::path>::failure(systemErrorText(errno));
        }
        if (!S_ISLNK(st.st_mode))
            return p;
        std::string target(std::size_t{256}, '\0');
        for (;;) {
            const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
            if (n < 0)
                return IoResult<fs::path>::failure(systemErrorText(errno));
            if (static_cast<std::size_t>(n) < target.size()) {
                target.resize(static_cast<std::size_t>(n));
                break;
            }
            if (target.size() >= (std::size_t{1} << 16))
                return IoResult<fs::path>::failure(systemErrorText(ENAMETOOLONG));
            target.resize(target.size() * 2);
        }
        const fs::path next(target);
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return IoResult<fs::path>::failure(systemErrorText(ELOOP));
}

// A name for the temporary file in `folder` that no other save uses at the same time.
// Independent of the target's name, so that a name near the length limit still saves.
fs::path temporaryIn(const fs::path& folder) {
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const unsigned long long salt = (static_cast<unsigned long long>(device()) << 32) ^
                                    static_cast<unsigned long long>(now) ^ counter.fetch_add(1);
    std::string name = ".~brelvan.";
    for (unsigned long long v = salt >> 1; v != 0 || name.size() == 10; v >>= 4)
        name += "0123456789abcdef"[v & 0xF];
    name += ".tmp";
    return folder / name;
}

// The mode a new file gets: 0666 without the bits of the process's file creation mask.
mode_t newFileMode() {
    static std::mutex lock;
    const std::lock_guard<std::mutex> guard(lock);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// The bytes a write may still put into a temporary file before it fails as on a full disk;
// SIZE_MAX while no failure is asked for (testing::failWritesAfter).
std::atomic<std::size_t> g_writeRoom{SIZE_MAX};

bool writeAll(int fd, std::string_view bytes, int& errorCode) {
    std::size_t room = g_writeRoom.load();
    while (!bytes.empty()) {
        if (room == 0) {
            errorCode = ENOSPC;
            return false;
        }
        const std::size_t chunk = std::min(bytes.size(), room);
        const ssize_t n = ::write(fd, bytes.data(), chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            errorCode = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        if (room != SIZE_MAX)
            room -= static_cast<std::size_t>(n);
    }
    return true;
}

// Whether the permission bits of `st` let anybody write. Root passes every access() check,
// so a read-only file or folder is recognised by its bits.
bool writableBits(const struct stat& st) {
    return (st.st_mode & 0222) != 0;
}

} // namespace

IoResult<> writeFileAtomically(const std::string& path, std::string_view bytes) {
    using R = IoResult<>;
    const fs::path named = pathFromUtf8(path);
    if (named.filename().empty())
        return R::failure(tx("kein Dateiname"));
    const IoResult<fs::path> resolved = followLinks(named);
    if (!resolved)
        return R::failure(resolved.error());
    const fs::path target = resolved.value();

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return R::failure(systemErrorText(errno));
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return R::failure(systemErrorText(EISDIR));
        if (!S_ISREG(old.st_mode))
            return R::failure(tx("sie ist keine gewöhnliche Datei (ein Gerät, eine FIFO oder ein "
                                 "Socket) und wird nicht ersetzt"));
        // Also root, whom access() lets write anything, keeps his hands off read-only files.
        if (!writableBits(old))
            return R::failure(tx("sie ist schreibgeschützt"));
        if (::access(target.c_str(), W_OK) != 0)
            return R::failure(errno == EACCES ? std::string(tx("sie ist schreibgeschützt"))
                                              : systemErrorText(errno));
    }

    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) {
        const int e = errno;
        return R::failure(
            e == ENOENT ? std::string(tx("ihren Ordner gibt es nicht"))
                        : cformat(tx("ihr Ordner ist nicht zugänglich: %s"), systemErrorText(e)));
    }
    if (!S_ISDIR(folderStat.st_mode))
        return R::failure(systemErrorText(ENOTDIR));
    // The new file replaces the old one by a rename in the folder: the folder must be writable.
    if (!writableBits(folderStat))
        return R::failure(tx("ihr Ordner ist schreibgeschützt"));
    const fs::path temp = temporaryIn(folder);
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.get() < 0) {
        const int e = errno;
        return R::failure(e == ENOENT ? std::string(tx("ihren Ordner gibt es nicht"))
                                      : cformat(tx("in ihrem Ordner kann keine Datei angelegt "
                                                   "werden: %s"),
                                                systemErrorText(e)));
    }
    auto fail = [&](int errorCode) {
        fd.close();
        ::unlink(temp.c_str());
        return R::failure(cformat(tx("beim Schreiben: %s"), systemErrorText(errorCode)));
    };

    int e = 0;
    if (!writeAll(fd.get(), bytes, e))
        return fail(e);
    if (exists) {
        // The owner first: a change of owner may clear the set-id bits of the mode. Where
        // the owner may not be kept, the group may still be.
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0)
            (void)!::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0)
            return fail(errno);
    } else if (::fchmod(fd.get(), newFileMode()) != 0) {
        return fail(errno);
    }
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if ((e = fd.close()) != 0) {
        ::unlink(temp.c_str());
        return R::failure(cformat(tx("beim Schreiben: %s"), systemErrorText(e)));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        e = errno;
        ::unlink(temp.c_str());
        return R::failure(
            cformat(tx("die Datei kann nicht ersetzt werden: %s"), systemErrorText(e)));
    }
    // The rename itself reaches the disk with the folder.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return R();
}

namespace testing {
void failWritesAfter(std::optional<std::size_t> bytes) {
    g_writeRoom.store(bytes ? std::min(*bytes, SIZE_MAX - 1) : SIZE_MAX);
}
} // namespace testing

} // namespace brelvan
