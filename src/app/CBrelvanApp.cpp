#include "app/CBrelvanApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "app/AboutDialog.h"
#include "app/CMainFrame.h"
#include "dialogs/ScreenFit.h"
#include "support/FileIo.h"
#include "views/CScrollViewBase.h"

namespace brelvan::app {

using namespace brelvan::cmd;

namespace {

QString caseFilter() {
    return QCoreApplication::translate("CBrelvanApp", "Dateityp Brelva (*.brv);;Alle Dateien (*)");
}

QSettings settings() {
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                     QStringLiteral("brelvan"));
}

} // namespace

// The program's user interface, and the main frame's views are redrawn with the document's.
class CBrelvanApp::FrameInterface : public brelvan::ForwardingInterface {
public:
    FrameInterface(brelvan::UserInterface& inner, CBrelvanApp& app)
        : ForwardingInterface(inner), m_app(app) {}
    void updateAllViews() override {
        ForwardingInterface::updateAllViews();
        if (CMainFrame* frame = m_app.frame()) {
            frame->UpdateAllViews();
        }
    }

private:
    CBrelvanApp& m_app;
};

CBrelvanApp::CBrelvanApp(brelvan::UserInterface& ui, QObject* parent)
    : QObject(parent), m_ui(ui), m_pFrameUI(std::make_unique<FrameInterface>(ui, *this)),
      m_pPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_doc.setUserInterface(m_pFrameUI.get());
    // Every window opens within its screen and fits it (or scrolls).
    dialogs::installScreenFit(this);
    m_chooseFile = [this](bool save, const QString& suggested) {
        if (save) {
            return QFileDialog::getSaveFileName(
                frame(), QCoreApplication::translate("CBrelvanApp", "Speichern unter"), suggested,
                caseFilter());
        }
        return QFileDialog::getOpenFileName(
            frame(), QCoreApplication::translate("CBrelvanApp", "Öffnen"), suggested, caseFilter());
    };
    m_askSave = [this](const QString& text) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("brelvan"), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, frame());
        box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("CBrelvanApp", "&Ja"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("CBrelvanApp", "&Nein"));
        box.button(QMessageBox::Cancel)
            ->setText(QCoreApplication::translate("CBrelvanApp", "Abbrechen"));
        box.setDefaultButton(QMessageBox::Yes);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return 0;
        case QMessageBox::No:
            return 1;
        default:
            return 2;
        }
    };
}

CBrelvanApp::~CBrelvanApp() {
    m_pFrame.reset();
    m_doc.setUserInterface(nullptr);
}

CBrelvanApp::Start CBrelvanApp::InitInstance(const QStringList& args) {
    loadRecentFiles();
    m_pFrame = std::make_unique<CMainFrame>(*this, m_doc);
    if (!m_pFrame->OnCreate()) {
        return Start::Failed;
    }
    if (m_frameCreated) {
        m_frameCreated(m_pFrame.get());
    }
    // A new case: defaults and captions, untitled, no data dialog.
    m_doc.OnNewDocument();
    m_pFrame->updateTitle();

    if (!args.isEmpty()) {
        const QString first = args.front();
        if (first == QLatin1String("--print") || first == QLatin1String("/p")) {
            if (args.size() < 2) {
                m_ui.error(
                    QCoreApplication::translate("CBrelvanApp", "Aufruf: brelvan --print FALL.brv")
                        .toStdString());
                return Start::Failed;
            }
            return printFile(args[1], QString()) ? Start::Done : Start::Failed;
        }
        if (first == QLatin1String("--print-to") || first == QLatin1String("/pt")) {
            if (args.size() < 3) {
                m_ui.error(QCoreApplication::translate(
                               "CBrelvanApp", "Aufruf: brelvan --print-to DRUCKER FALL.brv")
                               .toStdString());
                return Start::Failed;
            }
            // The Windows-style "/pt FILE PRINTER ..." names the file first, "--print-to" the
            // printer first; a case file is recognised by its ending in either order.
            QString file = args[2];
            QString printerName = args[1];
            if (first == QLatin1String("/pt") &&
                args[1].endsWith(QStringLiteral(".brv"), Qt::CaseInsensitive)) {
                std::swap(file, printerName);
            }
            return printFile(file, printerName) ? Start::Done : Start::Failed;
        }
        m_pFrame->show();
        if (!OpenDocumentFile(first)) {
            return Start::Failed;
        }
    }
    m_pFrame->show();
    m_pFrame->updateTitle();
    m_pFrame->updateCommandUI();
    return Start::Run;
}

bool CBrelvanApp::printFile(const QString& path, const QString& printerName) {
    if (!OpenDocumentFile(path)) {
        return false;
    }
    QPrinter& p = printer();
    views::CScrollViewBase* view = m_pFrame->GetActiveView();
    if (printerName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        // A printer name ending in ".pdf" prints into that file: into a private temporary
        // file first, whose bytes then replace the file like every file the program writes.
        QTemporaryDir folder;
        const QString temporary = folder.filePath(QStringLiteral("druck.pdf"));
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(temporary);
        const bool printed = folder.isValid() && view && view->printDirect(p) > 0;
        p.setOutputFileName(QString());
        const IoResult<std::string> bytes =
            printed ? readFileBounded(temporary.toStdString())
                    : IoResult<std::string>::failure(
                          QCoreApplication::translate("CBrelvanApp",
                                                      "die Seiten können nicht gedruckt werden")
                              .toStdString());
        const IoResult<> written =
            bytes ? writeFileAtomically(printerName.toStdString(), bytes.value()) : IoResult<>();
        if (!bytes || !written) {
            m_ui.error(QCoreApplication::translate(
                           "CBrelvanApp", "Die Datei „%1“ kann nicht geschrieben werden: %2.")
                           .arg(printerName,
                                QString::fromStdString(bytes ? written.error() : bytes.error()))
                           .toStdString());
            return false;
        }
        return true;
    }
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        m_ui.error((printerName.isEmpty()
                        ? QCoreApplication::translate("CBrelvanApp",
                                                      "Es ist kein Standarddrucker eingerichtet.")
                        : QCoreApplication::translate("CBrelvanApp",
                                                      "Der Drucker \"%1\" ist nicht vorhanden.")
                              .arg(printerName))
                       .toStdString());
        return false;
    }
    p.setPrinterName(info.printerName());
    return view && view->printDirect(p) > 0;
}

// ---- Commands

bool CBrelvanApp::OnCmdMsg(int id) {
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFiles) {
        const int index = id - ID_FILE_MRU_FILE1;
        if (index < m_recent.size()) {
            const QString path = m_recent[index];
            if (!OpenDocumentFile(path) && !QFileInfo::exists(path)) {
                removeRecentFile(path);
            }
        }
        return true;
    }
    switch (id) {
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return true;
    case ID_APP_EXIT:
        if (m_pFrame) {
            m_pFrame->close();
        }
        return true;
    default:
        return false;
    }
}

bool CBrelvanApp::OnUpdateCmdUI(int id, cmd::CmdUI& ui) const {
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) {
        ui.Enable(id - ID_FILE_MRU_FILE1 < m_recent.size());
        return true;
    }
    switch (id) {
    case ID_APP_ABOUT:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
        ui.Enable(true);
        return true;
    default:
        return false;
    }
}

void CBrelvanApp::OnAppAbout() {
    AboutDialog dialog(frame());
    dialog.exec();
}

void CBrelvanApp::OnFileOpen() {
    const QString folder =
        m_doc.GetPathName().empty()
            ? QString()
            : QFileInfo(QString::fromStdString(m_doc.GetPathName())).absolutePath();
    const QString path = m_chooseFile ? m_chooseFile(false, folder) : QString();
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

void CBrelvanApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(m_pPrinter.get(), frame());
    dialog.setWindowTitle(QCoreApplication::translate("CBrelvanApp", "Druckereinrichtung"));
    dialog.exec();
}

bool CBrelvanApp::OpenDocumentFile(const QString& path) {
    if (!SaveModified()) {
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool ok = m_doc.OnOpenDocument(absolute.toStdString());
    if (ok) {
        addRecentFile(absolute);
    }
    if (m_pFrame) {
        m_pFrame->UpdateAllViews();
        m_pFrame->updateTitle();
    }
    return ok;
}

bool CBrelvanApp::OnFileSave() {
    if (m_doc.GetPathName().empty()) {
        return OnFileSaveAs();
    }
    const bool ok = m_doc.OnSaveDocument(m_doc.GetPathName());
    if (m_pFrame) {
        m_pFrame->updateTitle();
    }
    return ok;
}

bool CBrelvanApp::OnFileSaveAs() {
    QString suggested = QString::fromStdString(m_doc.GetPathName());
    if (suggested.isEmpty()) {
        suggested = QString::fromStdString(m_doc.GetTitle());
        if (QFileInfo(suggested).suffix().isEmpty()) {
            suggested += QStringLiteral(".brv");
        }
    }
    QString path = m_chooseFile ? m_chooseFile(true, suggested) : QString();
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".brv");
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool ok = m_doc.OnSaveDocument(absolute.toStdString());
    if (ok) {
        addRecentFile(absolute);
    }
    if (m_pFrame) {
        m_pFrame->updateTitle();
    }
    return ok;
}

void CBrelvanApp::OnFileNew() {
    if (!SaveModified()) {
        return;
    }
    m_doc.OnFileNew();
    if (m_pFrame) {
        m_pFrame->UpdateAllViews();
        m_pFrame->updateTitle();
    }
}

bool CBrelvanApp::SaveModified() {
    if (!m_doc.IsModified()) {
        return true;
    }
    const QString text =
        QCoreApplication::translate("CBrelvanApp", "Möchten Sie die Änderungen an %1 speichern?")
            .arg(QString::fromStdString(m_doc.GetTitle()));
    const int answer = m_askSave ? m_askSave(text) : 2;
    if (answer == 0) {
        return OnFileSave();
    }
    return answer == 1;
}

// ---- Language

std::optional<Language> CBrelvanApp::storedLanguage() {
    const QString code = settings().value(QStringLiteral("Settings/Language")).toString();
    return languageFromCode(code.toStdString());
}

void CBrelvanApp::storeLanguage(Language language) {
    settings().setValue(QStringLiteral("Settings/Language"),
                        QString::fromLatin1(languageCode(language)));
}

// ---- Recent files

void CBrelvanApp::loadRecentFiles() {
    QSettings s = settings();
    s.beginGroup(QStringLiteral("Recent File List"));
    m_recent.clear();
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = s.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_recent.contains(path)) {
            m_recent.append(path);
        }
    }
}

void CBrelvanApp::saveRecentFiles() const {
    QSettings s = settings();
    s.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= kRecentFiles; ++i) {
        if (i <= m_recent.size()) {
            s.setValue(QStringLiteral("File%1").arg(i), m_recent[i - 1]);
        } else {
            s.remove(QStringLiteral("File%1").arg(i));
        }
    }
}

void CBrelvanApp::addRecentFile(const QString& path) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentFiles) {
        m_recent.removeLast();
    }
    saveRecentFiles();
    if (m_pFrame) {
        m_pFrame->updateRecentFileMenu();
    }
}

void CBrelvanApp::removeRecentFile(const QString& path) {
    m_recent.removeAll(path);
    saveRecentFiles();
    if (m_pFrame) {
        m_pFrame->updateRecentFileMenu();
    }
}

} // namespace brelvan::app
