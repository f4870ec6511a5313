// Reading and writing whole files through a temporary folder: what a trusted editor never
// does to a file (replace a link, widen a private file's mode, overwrite a read-only file or a
// device) and reading that ends on any input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "support/FileIo.h"
#include "testing/TestFiles.h"

using brelvan::readFileBounded;
using brelvan::writeFileAtomically;
namespace fs = std::filesystem;

namespace {

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Writes `bytes` into the FIFO `path` from another thread once a reader has opened it.
std::thread feedFifo(const std::string& path, std::string bytes) {
    return std::thread([path, bytes] {
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd >= 0) {
            (void)!::write(fd, bytes.data(), bytes.size());
            ::close(fd);
        }
    });
}

} // namespace

TEST(FileIo, SavingThroughASymbolicLinkReplacesItsTarget) {
    TempDir dir;
    fs::create_directory(dir.path() / "daten");
    const std::string target = dir.file("daten/fall.brv");
    writeFile(target, "alt");
    const std::string link = dir.file("fall.brv");
    fs::create_symlink("daten/fall.brv", link); // relative to the link's folder
    const std::string chain = dir.file("kette.brv");
    fs::create_symlink(link, chain);

    ASSERT_TRUE(writeFileAtomically(chain, "neu"));
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_TRUE(S_ISLNK(modeOf(chain)));
    EXPECT_EQ(readFile(target), "neu");
    // No temporary file stays behind, in either folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "daten"), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);

    // A link whose target does not exist yet: the target is created, the link stays.
    const std::string dangling = dir.file("neu.brv");
    fs::create_symlink("daten/neu-ziel.brv", dangling);
    ASSERT_TRUE(writeFileAtomically(dangling, "x"));
    EXPECT_TRUE(S_ISLNK(modeOf(dangling)));
    EXPECT_EQ(readFile(dir.file("daten/neu-ziel.brv")), "x");

    const std::string loop = dir.file("schleife.brv");
    fs::create_symlink("schleife.brv", loop);
    const auto r = writeFileAtomically(loop, "x");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "zu viele symbolische Verknüpfungen");
}

TEST(FileIo, SavingKeepsModeAndOwnerAndRefusesReadOnlyFiles) {
    TempDir dir;
    const std::string privat = dir.file("privat.brv");
    writeFile(privat, "alt");
    ::chmod(privat.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(privat, "neu"));
    EXPECT_EQ(modeOf(privat) & 07777, 0600u);
    EXPECT_EQ(readFile(privat), "neu");

    const std::string group = dir.file("gruppe.brv");
    writeFile(group, "alt");
    ::chmod(group.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(group, "neu"));
    EXPECT_EQ(modeOf(group) & 07777, 0640u);

    // A new file gets the mode of any new file.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeFileAtomically(dir.file("neu.brv"), "x"));
    ::umask(mask);
    EXPECT_EQ(modeOf(dir.file("neu.brv")) & 07777, 0644u);

    const std::string readOnly = dir.file("nurlesen.brv");
    writeFile(readOnly, "alt");
    ::chmod(readOnly.c_str(), 0444);
    const auto r = writeFileAtomically(readOnly, "neu");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "sie ist schreibgeschützt");
    EXPECT_EQ(readFile(readOnly), "alt");

    if (::geteuid() == 0) {
        // Another user's file stays his.
        const std::string foreign = dir.file("fremd.brv");
        writeFile(foreign, "alt");
        ASSERT_EQ(::chown(foreign.c_str(), 4321, 4322), 0);
        ASSERT_TRUE(writeFileAtomically(foreign, "neu"));
        struct stat st {};
        ASSERT_EQ(::stat(foreign.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
}

TEST(FileIo, OnlyRegularFilesAreReplaced) {
    TempDir dir;
    const std::string fifo = dir.file("rohr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const auto r = writeFileAtomically(fifo, "x");
    ASSERT_FALSE(r);
    EXPECT_TRUE(contains(r.error(), "keine gewöhnliche Datei")) << r.error();
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));

    const auto folder = writeFileAtomically(dir.path().string(), "x");
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error(), "es ist ein Ordner");
    EXPECT_EQ(writeFileAtomically(dir.file("fehlt/x.brv"), "x").error(),
              "ihren Ordner gibt es nicht");
}

TEST(FileIo, ReadingIsBoundedAndReadsAFifoOnce) {
    auto zero = readFileBounded("/dev/zero", std::size_t{1} << 20);
    ASSERT_FALSE(zero);
    EXPECT_TRUE(contains(zero.error(), "größer als 1 MiB")) << zero.error();

    TempDir dir;
    const std::string big = dir.file("gross.txt");
    writeFile(big, std::string(1001, 'x'));
    EXPECT_FALSE(readFileBounded(big, 1000));
    ASSERT_TRUE(readFileBounded(big, 1001));
    EXPECT_EQ(readFileBounded(big, 1001).value().size(), 1001u);

    const std::string fifo = dir.file("rohr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::thread writer = feedFifo(fifo, "Kopf\n1.1.2001 10 200\n");
    const auto read = readFileBounded(fifo);
    writer.join();
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value(), "Kopf\n1.1.2001 10 200\n");
}

// The reason comes from the system's error code, not from a guess.
TEST(FileIo, MessagesNameTheRealCause) {
    TempDir dir;
    writeFile(dir.file("datei"), "x");
    struct Row {
        std::string path;
        const char* reason;
    };
    const Row rows[] = {
        {dir.file(std::string(256, 'a')), "der Name ist zu lang"},
        {dir.file("fehlt.brv"), "sie existiert nicht"},
        {dir.file("datei/x.brv"), "ein Teil des Pfades ist kein Ordner"},
        {dir.path().string(), "es ist ein Ordner"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(readFileBounded(r.path).error(), r.reason) << r.path;
    EXPECT_EQ(writeFileAtomically(dir.file(std::string(256, 'a')), "x").error(),
              "der Name ist zu lang");

    if (::geteuid() != 0) { // root may enter any folder
        fs::create_directory(dir.path() / "zu");
        writeFile(dir.file("zu/fall.brv"), "x");
        ::chmod(dir.file("zu").c_str(), 0);
        EXPECT_EQ(readFileBounded(dir.file("zu/fall.brv")).error(), "keine Berechtigung");
        ::chmod(dir.file("zu").c_str(), 0755);
    }
}

// A read-only folder keeps its files, also from root: the replacement would be a new file in
// it. A failed write, for whatever reason, leaves the old file and no temporary behind.
TEST(FileIo, ReadOnlyFoldersAndFailedWritesLeaveTheOldFile) {
    TempDir dir;
    fs::create_directory(dir.path() / "nurlesen");
    const std::string inReadOnly = dir.file("nurlesen/fall.brv");
    writeFile(inReadOnly, "alt");
    ::chmod(dir.file("nurlesen").c_str(), 0555);
    const auto refused = writeFileAtomically(inReadOnly, "neu");
    const auto refusedNew = writeFileAtomically(dir.file("nurlesen/neu.brv"), "neu");
    ::chmod(dir.file("nurlesen").c_str(), 0755);
    EXPECT_EQ(refused.error(), "ihr Ordner ist schreibgeschützt");
    EXPECT_EQ(refusedNew.error(), "ihr Ordner ist schreibgeschützt");
    EXPECT_EQ(readFile(inReadOnly), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "nurlesen"), {}), 1);

    const std::string path = dir.file("fall.brv");
    writeFile(path, "alt");
    brelvan::testing::failWritesAfter(4);
    const auto full = writeFileAtomically(path, "ein neuer, längerer Inhalt");
    const auto fullNew = writeFileAtomically(dir.file("neu.brv"), "ein neuer Inhalt");
    brelvan::testing::failWritesAfter(std::nullopt);
    EXPECT_EQ(full.error(), "beim Schreiben: auf dem Datenträger ist kein Platz mehr");
    EXPECT_FALSE(fullNew);
    EXPECT_EQ(readFile(path), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2); // fall.brv, nurlesen
    ASSERT_TRUE(writeFileAtomically(path, "neu"));
    EXPECT_EQ(readFile(path), "neu");
}
