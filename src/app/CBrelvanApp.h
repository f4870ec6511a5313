// The application object: the one case document, the main frame, the printer, the recent-file
// list, start-up with the command line, and the application-level commands (About, Open,
// Print Setup, the recent files) with New, Save, Save As and Exit.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "document/CBrelvanDoc.h"
#include "support/Language.h"
#include "support/UserInterface.h"
#include "views/CommandIds.h"

class QPrinter;
class QWidget;

namespace brelvan::app {

class CMainFrame;

class CBrelvanApp : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 4;

    // ui: the dialogs and message boxes of the program (not owned).
    explicit CBrelvanApp(brelvan::UserInterface& ui, QObject* parent = nullptr);
    ~CBrelvanApp() override;

    // Start-up with the program's arguments (without the program name). Result: Run when the
    // main window is up, Done when the arguments asked for printing only and it ran, Failed
    // when they could not be processed.
    enum class Start { Run, Done, Failed };
    Start InitInstance(const QStringList& args);

    CBrelvanDoc& document() { return m_doc; }
    CMainFrame* frame() const { return m_pFrame.get(); }
    QPrinter& printer() { return *m_pPrinter; }
    brelvan::UserInterface& ui() { return m_ui; }

    // ---- Application commands (the end of the routing)
    bool OnCmdMsg(int id);
    bool OnUpdateCmdUI(int id, cmd::CmdUI& ui) const;
    void OnAppAbout();
    void OnFileOpen();
    void OnFilePrintSetup();

    // ---- Opening, saving and closing the case
    // Opens a case file (asks first whether a modified case is to be saved); false when the
    // file was not opened.
    bool OpenDocumentFile(const QString& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    // New: asks whether a modified case is to be saved, then the document's New.
    void OnFileNew();
    // Asks whether a modified case is to be saved; false when the user cancels or the save
    // fails.
    bool SaveModified();

    // ---- Recent files (QSettings "Local AppWizard-Generated Applications" / "brelvan")
    QStringList recentFiles() const { return m_recent; }
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    // ---- The language chosen in the menu "Sprache / Language" (key "Settings/Language",
    // "de" or "en"); nothing when none is stored or the stored value is not one of these.
    static std::optional<Language> storedLanguage();
    static void storeLanguage(Language language);

    // ---- Hooks for the file and printer dialogs; tests replace them.
    // The file dialog: save = Save As; returns the chosen path or an empty string.
    std::function<QString(bool save, const QString& suggested)> m_chooseFile;
    // Called once the main frame exists (before a case named on the command line opens).
    std::function<void(QWidget* frame)> m_frameCreated;
    // The save question: 0 Ja, 1 Nein, 2 Abbrechen.
    std::function<int(const QString& text)> m_askSave;

private:
    void loadRecentFiles();
    void saveRecentFiles() const;
    bool printFile(const QString& path, const QString& printerName);

    // Forwards to the program's interface; draws the views again on the document's request.
    class FrameInterface;

    brelvan::UserInterface& m_ui;
    std::unique_ptr<FrameInterface> m_pFrameUI;
    CBrelvanDoc m_doc;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<CMainFrame> m_pFrame;
    QStringList m_recent;
};

} // namespace brelvan::app
