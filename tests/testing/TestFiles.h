// Temporary folders, whole-file reading and writing, and a document's bytes and state.
#pragma once

#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "support/TextFormat.h"

inline int processId() {
    return static_cast<int>(::getpid());
}

// A fresh folder of its own, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0;; ++attempt) {
            m_path = base / brelvan::cformat("brelvan-test-%d-%d-%d", static_cast<int>(processId()),
                                             counter.fetch_add(1), attempt);
            if (std::filesystem::create_directory(m_path))
                break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The pages of a PDF file: its "/Type /Page" objects (not "/Pages"); -1 for a file that is not
// there.
inline int pdfPages(const std::string& path) {
    if (!std::filesystem::exists(path))
        return -1;
    const std::string bytes = readFile(path);
    int pages = 0;
    for (std::size_t at = bytes.find("/Type"); at != std::string::npos;
         at = bytes.find("/Type", at + 1)) {
        std::size_t i = at + 5;
        while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i])))
            ++i;
        if (bytes.compare(i, 5, "/Page") == 0 && i + 5 < bytes.size() && bytes[i + 5] != 's')
            ++pages;
    }
    return pages;
}

inline std::string caseBytes(const CBrelvanDoc& doc) {
    ByteWriter w;
    doc.Serialize(w);
    return std::string(w.bytes().begin(), w.bytes().end());
}

// Everything of a document a failed open or save must leave as it was.
inline std::string documentState(const CBrelvanDoc& doc) {
    std::string s = caseBytes(doc);
    s += brelvan::cformat("|%s|%s|%d|%d|%d|%d|%d|%d|%.17g %.17g %.17g %.17g %.17g %.17g|%zu|%zu",
                          doc.GetTitle(), doc.GetPathName(), doc.IsModified(), doc.m_iGrafiktyp,
                          doc.m_bSensitivitaet, doc.m_bGeaendert, doc.m_bNeueDaten, doc.m_MaxWerte,
                          doc.m_dMinOGIP, doc.m_dMaxOGIP, doc.m_dMinWIP, doc.m_dMaxWIP, doc.m_dMinJ,
                          doc.m_dMaxJ, doc.m_Ausgabe.size(), doc.m_SensErgebnisse.size());
    for (const auto& line : doc.m_Ausgabe)
        s += "|" + line;
    return s;
}
