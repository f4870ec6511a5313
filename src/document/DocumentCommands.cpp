// The document's commands: the editing cycle, New, Open and Save, the report file "aus.txt"
// and the help.
#include "document/DocumentCommands.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <istream>
#include <random>

#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "support/Cp1252.h"
#include "support/TextFormat.h"

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 text.
fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

namespace brelvan {

std::string ausTxtPath(const CBrelvanDoc& doc) {
    if (doc.m_strAusTxtOrdner.empty())
        return "aus.txt";
    const std::u8string joined = (pathOf(doc.m_strAusTxtOrdner) / "aus.txt").u8string();
    return std::string(joined.begin(), joined.end());
}

std::string reportFileText(const CBrelvanDoc& doc) {
    std::string text;
    if (doc.m_Ausgabe.empty())
        return text;
    text += utf8ToCp1252(doc.GetTitle());
    text += '\n';
    for (const std::string& line : doc.m_Ausgabe) {
        text += utf8ToCp1252(line);
        text += '\n';
    }
    return text;
}

bool writeReportFile(const CBrelvanDoc& doc, const std::string& path, std::string& error) {
    return writeFileAtomically(path, reportFileText(doc), true, error);
}

std::vector<std::string> readReportLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (static_cast<int>(lines.size()) < kMaxAusTxtZeilen && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(cp1252ToUtf8(line));
    }
    return lines;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    const fs::path p = pathOf(path);
    if (fs::is_directory(p, ec)) {
        error = "es ist ein Ordner";
        return false;
    }
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        error = fs::exists(p, ec) ? "sie ist nicht lesbar" : "sie existiert nicht";
        return false;
    }
    std::string read;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        read.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = "beim Lesen ist ein Fehler aufgetreten";
        return false;
    }
    bytes = std::move(read);
    return true;
}

namespace {

// A name for the temporary file beside `target` that no other save uses at the same time.
fs::path temporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const unsigned long long salt = (static_cast<unsigned long long>(device()) << 32) ^
                                    static_cast<unsigned long long>(now) ^ counter.fetch_add(1);
    // Independent of the target's name, so that a name near the length limit still saves.
    std::string name = ".~brelvan";
    name += cformat(".%llx.tmp", static_cast<long long>(salt >> 1));
    return target.parent_path() / name;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, bool textMode,
                         std::string& error) {
    const fs::path target = pathOf(path);
    if (target.filename().empty()) {
        error = "kein Dateiname";
        return false;
    }
    const fs::path temp = temporaryBeside(target);
    std::error_code ec;
    {
        std::ofstream out(temp, textMode ? std::ios::out | std::ios::trunc
                                         : std::ios::out | std::ios::trunc | std::ios::binary);
        if (!out) {
            const fs::path folder =
                target.parent_path().empty() ? fs::path(".") : target.parent_path();
            error = fs::is_directory(folder, ec)
                        ? "in ihrem Ordner kann keine Datei angelegt werden"
                        : "ihren Ordner gibt es nicht";
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (out.fail()) {
            fs::remove(temp, ec);
            error = "beim Schreiben ist ein Fehler aufgetreten";
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        error = "die Datei kann nicht ersetzt werden (ist sie ein Ordner?)";
        return false;
    }
    return true;
}

} // namespace brelvan

// ---- Editing cycle

void CBrelvanDoc::OnDataChange() {
    DlgInputData dlg;
    dlg.reservoir() = reservoir();
    dlg.jInputs() = jInputs();
    dlg.ranges() = ranges();
    dlg.m_Zeilen = m_Zeilen;
    dlg.m_iGrafiktyp = m_iGrafiktyp;
    dlg.m_dMaxGp = m_dMaxGp;
    dlg.m_bSensitivitaet = m_bSensitivitaet ? 1 : 0;

    if (!ui().runInputDialog(dlg))
        return;

    // Exact comparisons: any difference of a compared input marks the case modified.
    m_bGeaendert = dlg.reservoir() != reservoir() || dlg.m_dMaxGp != m_dMaxGp ||
                   dlg.m_iGrafiktyp != m_iGrafiktyp;
    if (m_bGeaendert)
        SetModifiedFlag();

    reservoir() = dlg.reservoir();
    jInputs() = dlg.jInputs();
    ranges() = dlg.ranges();
    if (!dlg.m_Zeilen.empty())
        m_Zeilen = dlg.m_Zeilen;
    m_iGrafiktyp = dlg.m_iGrafiktyp;
    m_dMaxGp = dlg.m_dMaxGp;
    m_bSensitivitaet = dlg.m_bSensitivitaet != 0;

    if (m_bSensitivitaet)
        sensitivity();
    else
        compute();

    if (m_bGeaendert)
        m_bNeueDaten = true;
    ui().updateAllViews();
}

void CBrelvanDoc::OnFileNew() {
    // The caller has already asked whether a modified case is to be saved (the desktop
    // program's File New does so before it calls this). The new case has no file, so a later
    // Save asks for a name instead of overwriting the case opened before.
    SetUntitled();
    SetModifiedFlag(false);
    setdefaults();
    OnDataChange();
}

// ---- Case file

bool CBrelvanDoc::OnOpenDocument(const std::string& path) {
    std::string bytes;
    std::string error;
    if (!brelvan::readWholeFile(path, bytes, error)) {
        ui().error(brelvan::cformat("Die Datei „%s“ kann nicht geöffnet werden: %s.", path, error));
        return false;
    }
    ByteReader ar(bytes);
    if (!Serialize(ar, error)) {
        ui().error(brelvan::cformat("Die Datei „%s“ ist keine vollständige Brelvan-Falldatei: "
                                    "%s.\nDer geöffnete Fall bleibt unverändert.",
                                    path, error));
        return false;
    }
    // Bytes after the line list are ignored.
    OnDataChange();
    m_bGeaendert = true;
    m_iGrafiktyp = 0;
    m_bNeueDaten = true;
    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}

bool CBrelvanDoc::OnSaveDocument(const std::string& path) {
    ByteWriter ar;
    Serialize(ar);
    const auto& bytes = ar.bytes();
    std::string error;
    if (!brelvan::writeFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
            false, error)) {
        std::error_code ec;
        const bool existed = fs::exists(pathOf(path), ec);
        ui().error(brelvan::cformat("Der Fall konnte nicht in der Datei „%s“ gespeichert werden: "
                                    "%s.%s",
                                    path, error,
                                    existed ? "\nDie bisherige Datei bleibt unverändert." : ""));
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

// ---- Report file and help

void CBrelvanDoc::OnWriteAusTxt() {
    const std::string path = brelvan::ausTxtPath(*this);
    std::string error;
    if (!brelvan::writeReportFile(*this, path, error)) {
        ui().error(brelvan::cformat(
            "Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben werden (%s): %s!", path,
            error));
        return;
    }
    ui().message("Die Ergebnisse sind in die Datei aus.txt geschrieben!");
}

void CBrelvanDoc::OnReadAusTxt() {
    m_Ausgabe.clear();
    std::ifstream in(pathOf(brelvan::ausTxtPath(*this)), std::ios::binary);
    if (in)
        m_Ausgabe = brelvan::readReportLines(in);
    ui().updateAllViews();
    ui().message(brelvan::cformat("%d Zeilen wurden eingelesen", m_Ausgabe.size()));
}

void CBrelvanDoc::OnHilfe() {
    if (!ui().showHelp())
        ui().message("Hilfedatei nicht gefunden!");
}
