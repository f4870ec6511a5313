// The document's commands: the editing cycle, New, Open and Save, the report file "aus.txt"
// and the help.
#include "document/DocumentCommands.h"

#include <filesystem>

#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/DocumentTexts.h"
#include "support/Cp1252.h"
#include "support/TextFormat.h"

using brelvan::document::tx;

namespace {

// The stored fields as the case file holds them; two documents with the same bytes would
// write the same file.
std::vector<unsigned char> storedBytes(const CBrelvanDoc& doc) {
    ByteWriter ar;
    doc.Serialize(ar);
    return ar.bytes();
}

} // namespace

namespace brelvan {

std::string ausTxtPath(const CBrelvanDoc& doc) {
    if (doc.m_strAusTxtOrdner.empty())
        return "aus.txt";
    return utf8FromPath(pathFromUtf8(doc.m_strAusTxtOrdner) / "aus.txt");
}

std::string ausTxtFolderLine(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(pathFromUtf8(path), ec);
    const std::filesystem::path folder = (ec ? pathFromUtf8(path) : absolute).parent_path();
    return tx("\nOrdner: ") + utf8FromPath(folder);
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

IoResult<> writeReportFile(const CBrelvanDoc& doc, const std::string& path) {
    return writeFileAtomically(path, reportFileText(doc));
}

std::vector<std::string> readReportLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty() && static_cast<int>(lines.size()) < kMaxAusTxtZeilen) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(cp1252ToUtf8(line));
    }
    return lines;
}

} // namespace brelvan

// ---- Editing cycle

void CBrelvanDoc::OnDataChange() {
    const std::vector<unsigned char> before = storedBytes(*this);
    DlgInputData dlg;
    dlg.reservoir() = reservoir();
    dlg.jInputs() = jInputs();
    dlg.ranges() = ranges();
    dlg.m_Zeilen = m_Zeilen;
    dlg.m_iGrafiktyp = m_iGrafiktyp;
    dlg.m_iVerfahren = static_cast<int>(m_iVerfahren);
    dlg.m_iModell = m_iModell;
    dlg.m_dMaxGp = m_dMaxGp;
    dlg.m_bSensitivitaet = m_bSensitivitaet ? 1 : 0;
    dlg.m_fitTexts = m_fitTexts;
    dlg.m_modelCurves = m_modelCurves;

    if (!ui().runInputDialog(dlg))
        return;
    // Whether the chart's scale belongs to results of this case; a case shown uncomputed (the
    // dialog cancelled after Open or New) has none, whatever the dialog changes now.
    const bool hadResults = m_bBerechnet;

    // Exact comparisons: any difference of a compared input marks the case modified.
    m_bGeaendert = dlg.reservoir() != reservoir() || dlg.m_dMaxGp != m_dMaxGp ||
                   dlg.m_iGrafiktyp != m_iGrafiktyp ||
                   brelvan::engine::influxScheme(dlg.m_iVerfahren) != m_iVerfahren ||
                   dlg.m_iModell != m_iModell;
    if (m_bGeaendert)
        SetModifiedFlag();

    reservoir() = dlg.reservoir();
    jInputs() = dlg.jInputs();
    ranges() = dlg.ranges();
    if (!dlg.m_Zeilen.empty())
        m_Zeilen = dlg.m_Zeilen;
    m_iGrafiktyp = dlg.m_iGrafiktyp;
    m_iVerfahren = brelvan::engine::influxScheme(dlg.m_iVerfahren);
    m_iModell = dlg.m_iModell;
    m_dMaxGp = dlg.m_dMaxGp;
    m_bSensitivitaet = dlg.m_bSensitivitaet != 0;
    m_fitTexts = dlg.m_fitTexts;
    m_modelCurves = std::move(dlg.m_modelCurves);

    // The results of a previous search belong to the inputs before; only a new search (which
    // replaces them) keeps search results with the case.
    if (m_bSensitivitaet) {
        sensitivity();
    } else {
        m_SensWerte.clear();
        m_SensErgebnisse.clear();
        compute();
    }
    m_bBerechnet = true;

    // Any stored field the dialog or the search changed (a line, a J input, an adopted value)
    // is an edit a later close must not lose.
    if (storedBytes(*this) != before)
        SetModifiedFlag();
    if (m_bGeaendert || !hadResults)
        m_bNeueDaten = true;
    ui().updateAllViews();
}

void CBrelvanDoc::forgetResults() {
    m_Ausgabe.clear();
    m_SensErgebnisse.clear();
    m_SensWerte.clear();
    m_Tabelle.clear();
    ++m_caseNumber;
    m_MaxWerte = 0;
    m_Max2Werte = 0;
    m_bBerechnet = false;
    m_bNeueDaten = true;
    m_bAbgebrochen = false;
    m_fitTexts = {};
    m_modelCurves = {};
}

void CBrelvanDoc::OnFileNew() {
    // The caller has already asked whether a modified case is to be saved (the desktop
    // program's File New does so before it calls this). The new case has no file, so a later
    // Save asks for a name instead of overwriting the case opened before.
    SetUntitled();
    SetModifiedFlag(false);
    setdefaults();
    m_strFeldname.clear(); // a new case has no field name yet
    forgetResults();
    OnDataChange();
}

// ---- Case file

bool CBrelvanDoc::OnOpenDocument(const std::string& path) {
    const brelvan::IoResult<std::string> bytes = brelvan::readFileBounded(path);
    if (!bytes) {
        ui().error(brelvan::cformat(tx("Die Datei „%s“ kann nicht geöffnet werden: %s."), path,
                                    bytes.error()));
        return false;
    }
    ByteReader ar(bytes.value());
    if (const brelvan::IoResult<> read = Serialize(ar); !read) {
        ui().error(brelvan::cformat(tx("Die Datei „%s“ ist keine vollständige Brelvan-Falldatei: "
                                       "%s.\nDer geöffnete Fall bleibt unverändert."),
                                    path, read.error()));
        return false;
    }
    // The case as it would be saved now, to tell later whether the dialog changed it.
    const std::vector<unsigned char> asRead = storedBytes(*this);
    SetPathName(path);
    SetModifiedFlag(false);
    // The results belong to the case before; until this one is computed there are none.
    forgetResults();
    OnDataChange();
    m_bGeaendert = true;
    m_iGrafiktyp = 0;
    m_bNeueDaten = true;
    // What the confirmed dialog changed is not in the file yet.
    SetModifiedFlag(storedBytes(*this) != asRead);
    return true;
}

bool CBrelvanDoc::OnSaveDocument(const std::string& path) {
    const std::vector<unsigned char> bytes = storedBytes(*this);
    // A file that Open would refuse is not written: the old file stays, and the case with it.
    if (bytes.size() > brelvan::kMaxFileBytes) {
        ui().error(brelvan::cformat(
            tx("Der Fall kann nicht in der Datei „%s“ gespeichert werden: er wäre über %zu MiB "
               "groß, eine Falldatei darf aber höchstens %zu MiB haben, sonst ließe sie sich nicht "
               "wieder öffnen. Bitte die Meßdaten kürzen."),
            path, bytes.size() >> 20, brelvan::kMaxFileBytes >> 20));
        return false;
    }
    const brelvan::IoResult<> written = brelvan::writeFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!written) {
        std::error_code ec;
        const bool existed = std::filesystem::exists(brelvan::pathFromUtf8(path), ec);
        ui().error(brelvan::cformat(
            tx("Der Fall konnte nicht in der Datei „%s“ gespeichert werden: %s.%s"), path,
            written.error(), existed ? tx("\nDie bisherige Datei bleibt unverändert.") : ""));
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

// ---- Report file and help

void CBrelvanDoc::OnWriteAusTxt() {
    const std::string path = brelvan::ausTxtPath(*this);
    const brelvan::IoResult<> written = brelvan::writeReportFile(*this, path);
    if (!written) {
        ui().error(brelvan::cformat(
            tx("Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben werden (%s): %s!"),
            path, written.error()));
        return;
    }
    ui().message(tx("Die Ergebnisse sind in die Datei aus.txt geschrieben!") +
                 brelvan::ausTxtFolderLine(path));
}

void CBrelvanDoc::OnReadAusTxt() {
    const std::string path = brelvan::ausTxtPath(*this);
    const brelvan::IoResult<std::string> bytes = brelvan::readFileBounded(path);
    if (!bytes) {
        // The report stays as it is.
        ui().error(brelvan::cformat(tx("Die Datei aus.txt (%s) kann nicht gelesen werden: %s. "
                                       "Der Bericht bleibt unverändert."),
                                    path, bytes.error()));
        return;
    }
    m_Ausgabe = brelvan::readReportLines(bytes.value());
    m_bBerechnet = true;
    ui().updateAllViews();
    ui().message(brelvan::cformat(tx("%d Zeilen wurden eingelesen"), m_Ausgabe.size()) +
                 brelvan::ausTxtFolderLine(path));
}

void CBrelvanDoc::OnHilfe() {
    if (!ui().showHelp())
        ui().message(tx("Hilfedatei nicht gefunden!"));
}
