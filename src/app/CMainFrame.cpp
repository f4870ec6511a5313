#include "app/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/CBrelvanApp.h"
#include "app/DiagnosticViews.h"
#include "app/ExportCommand.h"
#include "app/Icons.h"
#include "dialogs/DlgZufluss.h"
#include "document/CBrelvanDoc.h"
#include "views/CBrelvanView.h"
#include "views/CGrafik.h"
#include "views/DiagnosticView.h"
#include "views/MisfitMapView.h"

namespace brelvan::app {

using namespace brelvan::cmd;
using views::CBrelvanView;
using views::CGrafik;
using views::CScrollViewBase;
using views::DiagnosticView;
using views::MisfitMapView;

namespace {

const char* const kChildId = "brelvanChildId";

struct CommandText {
    int id;
    const char* text;   // menu text, "\t" before the accelerator text
    const char* prompt; // status bar prompt, "\n" before the tooltip
};

// Every command of the program with its menu text and prompt.
const CommandText kCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&Neu\tStrg+N"),
     QT_TRANSLATE_NOOP("CMainFrame", "Erstellt ein neues Dokument.\nNeu")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "Ö&ffnen...\tStrg+O"),
     QT_TRANSLATE_NOOP("CMainFrame", "Öffnet ein bestehendes Dokument.\nÖffnen")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CMainFrame", "S&peichern\tStrg+S"),
     QT_TRANSLATE_NOOP("CMainFrame", "Speichert das aktive Dokument.\nSpeichern")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "Speichern &unter..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "&Drucken...\tStrg+P"),
     QT_TRANSLATE_NOOP("CMainFrame", "Druckt das aktive Dokument.\nDrucken")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CMainFrame", "Sei&tenansicht"),
     QT_TRANSLATE_NOOP("CMainFrame", "Zeigt ganze Seiten an.\nSeitenansicht")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "Drucker&einrichtung..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung")},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("CMainFrame", "Letzte Datei"),
     QT_TRANSLATE_NOOP("CMainFrame", "Öffnet dieses Dokument.")},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "&Beenden"),
     QT_TRANSLATE_NOOP(
         "CMainFrame",
         "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden")},
    {ID_DATA_CHANGE, QT_TRANSLATE_NOOP("CMainFrame", "Daten ändern"),
     QT_TRANSLATE_NOOP("CMainFrame", "Daten ändern\nDaten ändern")},
    {ID_WRITE_AUSTXT, QT_TRANSLATE_NOOP("CMainFrame", "Ergebnisse in aus.txt Datei"),
     QT_TRANSLATE_NOOP("CMainFrame", "Die Ergebnisse werden in die Datei aus.txt geschrieben")},
    {ID_READ_AUSTXT, QT_TRANSLATE_NOOP("CMainFrame", "Datei aus.txt lesen"), ""},
    {ID_GRAFIK, QT_TRANSLATE_NOOP("CMainFrame", "Grafik"),
     QT_TRANSLATE_NOOP("CMainFrame", "Zeigt die Grafik an\nGrafik")},
    {ID_TEXT, QT_TRANSLATE_NOOP("CMainFrame", "Text"),
     QT_TRANSLATE_NOOP("CMainFrame", "Zeigt den Text an\nText")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "&Symbolleiste"),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten")},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "S&tatusleiste"),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten")},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "Inf&o über brelvan..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Zeigt Programminformationen und die Versionsnummer an.\nInfo")},
    {ID_HILFE, QT_TRANSLATE_NOOP("CMainFrame", "Hilfe"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ruft die Online-Hilfe auf")},
    {ID_GRAFIKLUPE, QT_TRANSLATE_NOOP("CMainFrame", "Grafik Lupe"),
     QT_TRANSLATE_NOOP("CMainFrame", "Grafik Lupe\nGrafik Lupe")},
    {ID_MISFIT_MAP, QT_TRANSLATE_NOOP("CMainFrame", "Fehlerkarte"),
     QT_TRANSLATE_NOOP("CMainFrame", "Zeigt die Fehlerkarte an\nFehlerkarte")},
    {ID_FIT, QT_TRANSLATE_NOOP("CMainFrame", "Anpassung …"),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Passt OGIP, WIP und J-Wert nach kleinsten Quadraten an\nAnpassung")},
    {ID_INFLUX_CALCULATOR, QT_TRANSLATE_NOOP("CMainFrame", "Zuflussrechner …"),
     QT_TRANSLATE_NOOP(
         "CMainFrame",
         "Rechnet den Wasserzufluss eines Druckverlaufs nach einem Zuflussmodell\nZuflussrechner")},
    {ID_FILE_PRINT_DIRECT, QT_TRANSLATE_NOOP("CMainFrame", "Direkt drucken"),
     QT_TRANSLATE_NOOP("CMainFrame", "Druckt das aktive Dokument.\nDrucken")},
    // Accelerators without a handler anywhere in the program: their keys do nothing.
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("CMainFrame", "Kopieren"), ""},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CMainFrame", "Einfügen"), ""},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("CMainFrame", "Ausschneiden"), ""},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CMainFrame", "Rückgängig"), ""},
    {ID_NEXT_PANE, QT_TRANSLATE_NOOP("CMainFrame", "Nächster Ausschnitt"), ""},
    {ID_PREV_PANE, QT_TRANSLATE_NOOP("CMainFrame", "Vorheriger Ausschnitt"), ""},
};

struct Accelerator {
    int id;
    QKeySequence keys;
};

QList<Accelerator> accelerators() {
    return {
        {ID_FILE_NEW, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ID_FILE_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ID_FILE_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {ID_FILE_PRINT, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {ID_HILFE, QKeySequence(Qt::Key_F1)},
        {ID_DATA_CHANGE, QKeySequence(Qt::Key_F2)},
        {ID_DATA_CHANGE, QKeySequence(Qt::CTRL | Qt::Key_F2)},
        {ID_GRAFIK, QKeySequence(Qt::Key_F3)},
        {ID_TEXT, QKeySequence(Qt::Key_F4)},
        {ID_MISFIT_MAP, QKeySequence(Qt::Key_F7)},
        {ID_EDIT_COPY, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {ID_EDIT_COPY, QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        {ID_EDIT_PASTE, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {ID_EDIT_PASTE, QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        {ID_EDIT_CUT, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {ID_EDIT_CUT, QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {ID_EDIT_UNDO, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {ID_EDIT_UNDO, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {ID_NEXT_PANE, QKeySequence(Qt::Key_F6)},
        {ID_PREV_PANE, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
    };
}

// Commands handled by the document.
bool isDocumentCommand(int id) {
    switch (id) {
    case ID_DATA_CHANGE:
    case ID_FILE_NEW:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_WRITE_AUSTXT:
    case ID_READ_AUSTXT:
    case ID_HILFE:
        return true;
    default:
        return false;
    }
}

// A text of the tables above in the current language.
QString commandText(const char* text) {
    return QCoreApplication::translate("CMainFrame", text);
}

int childId(const QWidget* w) {
    return w ? w->property(kChildId).toInt() : 0;
}

// The number of a view in AnsichtWechseln: report, chart or a diagnostic plot.
int viewNumber(const CScrollViewBase* v) {
    if (auto* diag = qobject_cast<const DiagnosticView*>(v)) {
        return diagnosticViewNumber(diag->kind());
    }
    return qobject_cast<const CBrelvanView*>(v)    ? CMainFrame::kReportView
           : qobject_cast<const MisfitMapView*>(v) ? CMainFrame::kMisfitMapView
           : v                                     ? CMainFrame::kChartView
                                                   : 0;
}

} // namespace

CMainFrame::CMainFrame(CBrelvanApp& app, CBrelvanDoc& doc) : m_app(app), m_doc(doc) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);
    resize(1000, 760);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::OnCreate() {
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createContextMenu();
    m_pStack = new QStackedWidget(this);
    setCentralWidget(m_pStack);
    // The report view, active from the start.
    CScrollViewBase* view = createView(kReportView);
    if (!view || !m_pToolBar || !statusBar()) {
        return false;
    }
    view->setProperty(kChildId, kFirstPaneId);
    m_pActiveView = view;
    m_pStack->setCurrentWidget(view);
    updateTitle();
    updateCommandUI();
    return true;
}

QAction* CMainFrame::makeAction(int id, const QString& text, const QString& prompt) {
    auto* a = new QAction(text, this);
    a->setData(id);
    a->setObjectName(QStringLiteral("ID_%1").arg(id));
    const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
    a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
    a->setToolTip(nl < 0 ? QString() : prompt.mid(nl + 1));
    a->setIconVisibleInMenu(false);
    connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions.insert(id, a);
    addAction(a); // the accelerators work wherever the focus is in the window
    return a;
}

void CMainFrame::createActions() {
    for (const CommandText& c : kCommands) {
        makeAction(c.id, commandText(c.text), commandText(c.prompt));
    }
    QHash<int, QList<QKeySequence>> keys;
    for (const Accelerator& a : accelerators()) {
        keys[a.id].append(a.keys);
    }
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        m_actions.value(it.key())->setShortcuts(it.value());
    }
    for (const DiagnosticViewEntry& e : kDiagnosticViews) {
        makeAction(e.id, diagnosticViewText(e.text), diagnosticViewText(e.prompt))
            ->setIcon(diagnosticIcon(e.kind));
    }
    makeAction(ID_DIAG_EXPORT, diagnosticViewText(kExportText), diagnosticViewText(kExportPrompt));
    for (int id : {ID_GRAFIKLUPE, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        m_actions.value(id)->setCheckable(true);
    }
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_DATA_CHANGE,
                   ID_GRAFIK, ID_TEXT, ID_MISFIT_MAP, ID_GRAFIKLUPE, ID_APP_ABOUT}) {
        m_actions.value(id)->setIcon(toolbarIcon(id));
    }
}

void CMainFrame::createMenus() {
    QMenuBar* bar = menuBar();
    m_pFileMenu = bar->addMenu(QCoreApplication::translate("CMainFrame", "&Datei"));
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
        m_pFileMenu->addAction(action(id));
    }
    m_pFileMenu->addAction(createExportAction(this, m_doc, m_app.ui()));
    m_pFileMenu->addSeparator();
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP}) {
        m_pFileMenu->addAction(action(id));
    }
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(action(ID_FILE_MRU_FILE1));
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(action(ID_APP_EXIT));

    QMenu* edit = bar->addMenu(QCoreApplication::translate("CMainFrame", "&Bearbeiten"));
    for (int id : {ID_DATA_CHANGE, ID_FIT, ID_INFLUX_CALCULATOR, ID_WRITE_AUSTXT, ID_READ_AUSTXT}) {
        edit->addAction(action(id));
    }
    QMenu* view = bar->addMenu(QCoreApplication::translate("CMainFrame", "&Ansicht"));
    for (int id :
         std::initializer_list<int>{ID_GRAFIK, ID_TEXT, ID_MISFIT_MAP, ID_DIAG_HISTORY, ID_DIAG_PZ,
                                    ID_DIAG_COLE, ID_DIAG_HO, ID_DIAG_RESIDUALS, ID_DIAG_EXPORT, 0,
                                    ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        if (id) {
            view->addAction(action(id));
        } else {
            view->addSeparator();
        }
    }
    QMenu* language = createLanguageMenu();
    QMenu* help = bar->addMenu(QCoreApplication::translate("CMainFrame", "&?"));
    help->addAction(action(ID_APP_ABOUT));
    help->addAction(action(ID_HILFE));

    m_menus = {m_pFileMenu, edit, view, language, help};
    for (QMenu* menu : m_menus) {
        menu->setToolTipsVisible(false);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            if (menu == m_pFileMenu) {
                updateRecentFileMenu();
            }
            updateCommandUI();
        });
    }
}

QMenu* CMainFrame::createLanguageMenu() {
    // The same title in both languages, so that it is found whichever language is shown.
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Sprache / Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const std::pair<Language, const char*> entries[] = {{Language::German, "Deutsch"},
                                                        {Language::English, "English"}};
    for (const auto& [language, name] : entries) {
        QAction* a = menu->addAction(QString::fromUtf8(name));
        a->setObjectName(QStringLiteral("Language_%1").arg(QLatin1String(languageCode(language))));
        a->setCheckable(true);
        a->setChecked(language == currentLanguage());
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, language] { OnLanguage(language); });
    }
    return menu;
}

void CMainFrame::OnLanguage(Language language) {
    CBrelvanApp::storeLanguage(language);
    if (language == currentLanguage()) {
        return;
    }
    // Said in the language chosen and in the one shown now.
    const char* const german = "Die Sprache wechselt beim nächsten Start von brelvan.";
    const char* const english = "The language changes the next time brelvan starts.";
    const bool toEnglish = language == Language::English;
    m_app.ui().message(std::string(toEnglish ? english : german) + "\n" +
                       (toEnglish ? german : english));
}

QMenu* CMainFrame::mainMenu(int index) const {
    return m_menus.value(index);
}

void CMainFrame::updateRecentFileMenu() {
    for (QAction* a : m_recentActions) {
        m_pFileMenu->removeAction(a);
        m_actions.remove(a->data().toInt());
        removeAction(a);
        a->deleteLater();
    }
    m_recentActions.clear();
    const QStringList files = m_app.recentFiles();
    QAction* placeholder = m_actions.value(ID_FILE_MRU_FILE1);
    if (files.isEmpty()) {
        // "Letzte Datei", grayed, while the list is empty.
        if (!m_pFileMenu->actions().contains(placeholder)) {
            m_pFileMenu->insertAction(m_pRecentSeparator, placeholder);
        }
        m_actions.insert(ID_FILE_MRU_FILE1, placeholder);
        return;
    }
    m_pFileMenu->removeAction(placeholder);
    for (int i = 0; i < files.size() && i < CBrelvanApp::kRecentFiles; ++i) {
        const int id = ID_FILE_MRU_FILE1 + i;
        QString shown = QDir::toNativeSeparators(files[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this);
        a->setData(id);
        a->setObjectName(QStringLiteral("ID_%1").arg(id));
        a->setStatusTip(QCoreApplication::translate("CMainFrame", "Öffnet dieses Dokument."));
        connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_pFileMenu->insertAction(m_pRecentSeparator, a);
        m_recentActions.append(a);
        m_actions.insert(id, a);
    }
}

void CMainFrame::createToolBar() {
    m_pToolBar = addToolBar(QCoreApplication::translate("CMainFrame", "Symbolleiste"));
    m_pToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}) {
        m_pToolBar->addAction(action(id));
    }
    m_pToolBar->addSeparator();
    for (int id :
         std::initializer_list<int>{ID_FILE_PRINT, ID_DATA_CHANGE, ID_GRAFIK, ID_TEXT,
                                    ID_MISFIT_MAP, ID_GRAFIKLUPE, ID_DIAG_HISTORY, ID_DIAG_PZ,
                                    ID_DIAG_COLE, ID_DIAG_HO, ID_DIAG_RESIDUALS, ID_APP_ABOUT}) {
        m_pToolBar->addAction(action(id));
    }
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    for (const char* text :
         {QT_TRANSLATE_NOOP("CMainFrame", "UF"), QT_TRANSLATE_NOOP("CMainFrame", "NUM"),
          QT_TRANSLATE_NOOP("CMainFrame", "RF")}) {
        auto* label = new QLabel(commandText(text), bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        m_indicators.append(label);
    }
    // The idle text whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& text) {
        if (text.isEmpty()) {
            bar->showMessage(QCoreApplication::translate("CMainFrame", "Bereit"));
        }
    });
    bar->showMessage(QCoreApplication::translate("CMainFrame", "Bereit"));
}

QLabel* CMainFrame::indicator(int index) const {
    return m_indicators.value(index);
}

void CMainFrame::setIndicators(bool caps, bool num, bool scroll) {
    if (m_indicators.size() == 3) {
        m_indicators[0]->setEnabled(caps);
        m_indicators[1]->setEnabled(num);
        m_indicators[2]->setEnabled(scroll);
    }
}

void CMainFrame::createContextMenu() {
    m_pContextMenu = new QMenu(QCoreApplication::translate("CMainFrame", "Kontextmenü"), this);
    const std::pair<const char*, int> items[] = {
        {QT_TRANSLATE_NOOP("CMainFrame", "Daten ändern"), ID_DATA_CHANGE},
        {QT_TRANSLATE_NOOP("CMainFrame", "Datei neu"), ID_FILE_NEW},
        {QT_TRANSLATE_NOOP("CMainFrame", "Datei öffnen"), ID_FILE_OPEN},
        {QT_TRANSLATE_NOOP("CMainFrame", "Speichern"), ID_FILE_SAVE},
        {QT_TRANSLATE_NOOP("CMainFrame", "Speichern unter"), ID_FILE_SAVE_AS},
        {QT_TRANSLATE_NOOP("CMainFrame", "Beenden"), ID_APP_EXIT},
        {QT_TRANSLATE_NOOP("CMainFrame", "Grafik"), ID_GRAFIK},
        {QT_TRANSLATE_NOOP("CMainFrame", "Tabelle"), ID_TEXT},
        {QT_TRANSLATE_NOOP("CMainFrame", "Fehlerkarte"), ID_MISFIT_MAP},
    };
    std::vector<std::pair<QString, int>> all;
    for (const auto& [text, id] : items) {
        all.emplace_back(commandText(text), id);
    }
    for (const DiagnosticViewEntry& e : kDiagnosticViews) {
        all.emplace_back(diagnosticViewText(e.text), e.id);
    }
    for (const auto& [text, id] : all) {
        QAction* entry = m_pContextMenu->addAction(text);
        entry->setData(id);
        entry->setStatusTip(m_actions.value(id)->statusTip());
        // The entry runs the command's own action, so it reaches the same handler.
        connect(entry, &QAction::triggered, this, [this, id] {
            if (QAction* a = action(id); a && a->isEnabled()) {
                a->trigger();
            }
        });
    }
    connect(m_pContextMenu, &QMenu::aboutToShow, this, [this] {
        updateCommandUI();
        for (QAction* entry : m_pContextMenu->actions()) {
            if (QAction* a = action(entry->data().toInt())) {
                entry->setEnabled(a->isEnabled());
            }
        }
    });
}

void CMainFrame::OnContextMenu(const QPoint& globalPos) {
    if (!qobject_cast<CBrelvanView*>(m_pActiveView) && !qobject_cast<CGrafik*>(m_pActiveView) &&
        !qobject_cast<MisfitMapView*>(m_pActiveView) &&
        !qobject_cast<DiagnosticView*>(m_pActiveView)) {
        return;
    }
    if (m_popupMenu) {
        emit m_pContextMenu->aboutToShow();
        m_popupMenu(*m_pContextMenu, globalPos);
    } else {
        m_pContextMenu->exec(globalPos);
    }
}

// ---- Routing

void CMainFrame::OnCommand(int id) {
    bool done = m_pActiveView && m_pActiveView->OnCmdMsg(id);
    if (!done && isDocumentCommand(id)) {
        switch (id) {
        case ID_DATA_CHANGE:
            m_doc.OnDataChange();
            break;
        case ID_FILE_NEW:
            m_app.OnFileNew();
            break;
        case ID_FILE_SAVE:
            m_app.OnFileSave();
            break;
        case ID_FILE_SAVE_AS:
            m_app.OnFileSaveAs();
            break;
        case ID_WRITE_AUSTXT:
            m_doc.OnWriteAusTxt();
            break;
        case ID_READ_AUSTXT:
            m_doc.OnReadAusTxt();
            break;
        case ID_HILFE:
            m_doc.OnHilfe();
            break;
        }
        done = true;
    }
    if (!done) {
        done = frameCommand(id);
    }
    if (!done) {
        m_app.OnCmdMsg(id);
    }
    if (m_bClosing) {
        return;
    }
    updateTitle();
    updateCommandUI();
}

cmd::CmdUI CMainFrame::commandState(int id) const {
    cmd::CmdUI ui;
    if (m_pActiveView && m_pActiveView->OnUpdateCmdUI(id, ui)) {
        return ui;
    }
    if (isDocumentCommand(id)) {
        return ui; // the document's commands are always available
    }
    if (frameUpdate(id, ui)) {
        return ui;
    }
    if (m_app.OnUpdateCmdUI(id, ui)) {
        return ui;
    }
    // The view's print commands.
    if (m_pActiveView &&
        (id == ID_FILE_PRINT || id == ID_FILE_PRINT_DIRECT || id == ID_FILE_PRINT_PREVIEW)) {
        return ui;
    }
    // A command nobody handles is grayed.
    ui.Enable(false);
    return ui;
}

void CMainFrame::updateCommandUI() {
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        const cmd::CmdUI ui = commandState(it.key());
        it.value()->setEnabled(ui.enabled);
        if (it.value()->isCheckable()) {
            it.value()->setChecked(ui.checked);
        }
    }
}

bool CMainFrame::frameCommand(int id) {
    if (views::DiagnosticKind kind; diagnosticKindOfCommand(id, kind)) {
        AnsichtWechseln(diagnosticViewNumber(kind));
        return true;
    }
    switch (id) {
    case ID_GRAFIK:
        OnGrafik();
        return true;
    case ID_TEXT:
        OnText();
        return true;
    case ID_MISFIT_MAP:
        AnsichtWechseln(kMisfitMapView);
        return true;
    case ID_FIT:
        OnFit();
        return true;
    case ID_INFLUX_CALCULATOR: {
        DlgZufluss dialog(this);
        dialog.exec();
        return true;
    }
    case ID_VIEW_TOOLBAR:
        m_pToolBar->setVisible(!m_pToolBar->isVisible());
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    default:
        return false;
    }
}

bool CMainFrame::frameUpdate(int id, cmd::CmdUI& ui) const {
    if (views::DiagnosticKind kind; diagnosticKindOfCommand(id, kind)) {
        ui.Enable(viewNumber(m_pActiveView) != diagnosticViewNumber(kind));
        return true;
    }
    switch (id) {
    case ID_GRAFIK:
        ui.Enable(qobject_cast<CGrafik*>(m_pActiveView) == nullptr);
        return true;
    case ID_TEXT:
        ui.Enable(qobject_cast<CBrelvanView*>(m_pActiveView) == nullptr);
        return true;
    case ID_GRAFIKLUPE:
        ui.Enable(qobject_cast<CGrafik*>(m_pActiveView) != nullptr);
        return true;
    case ID_MISFIT_MAP:
        ui.Enable(qobject_cast<MisfitMapView*>(m_pActiveView) == nullptr);
        return true;
    case ID_FIT:
    case ID_INFLUX_CALCULATOR:
        return true;
    case ID_VIEW_TOOLBAR:
        ui.SetCheck(m_pToolBar && !m_pToolBar->isHidden());
        return true;
    case ID_VIEW_STATUS_BAR:
        ui.SetCheck(!statusBar()->isHidden());
        return true;
    default:
        return false;
    }
}

// ---- Views

CScrollViewBase* CMainFrame::findView(int id) const {
    for (CScrollViewBase* v : m_views) {
        if (childId(v) == id) {
            return v;
        }
    }
    return nullptr;
}

CScrollViewBase* CMainFrame::createView(int n) {
    CScrollViewBase* view = nullptr;
    if (n == kChartView) {
        view = new CGrafik(m_pStack);
    } else if (n == kMisfitMapView) {
        view = new MisfitMapView(m_pStack);
    } else if (n >= kDiagnosticViewBase) {
        view = new DiagnosticView(static_cast<views::DiagnosticKind>(n - kDiagnosticViewBase),
                                  m_pStack);
    } else {
        view = new CBrelvanView(m_pStack);
    }
    view->setProperty(kChildId, n);
    view->setDocument(&m_doc);
    if (auto* chart = qobject_cast<CGrafik*>(view)) {
        chart->setDocument(&m_doc);
    }
    view->setPrinter(&m_app.printer());
    connect(view, &CScrollViewBase::contextMenuRequested, this, &CMainFrame::OnContextMenu);
    m_pStack->addWidget(view);
    m_views.append(view);
    view->OnInitialUpdate();
    return view;
}

void CMainFrame::AnsichtWechseln(int n) {
    CScrollViewBase* old = m_pActiveView;
    // The view of that kind is already shown: nothing to switch (no second view is made).
    if (old && viewNumber(old) == n) {
        return;
    }
    CScrollViewBase* view = findView(n);
    if (!view) {
        view = createView(n);
    }
    m_pActiveView = view;
    m_pStack->setCurrentWidget(view);
    view->setFocus();
    if (old) {
        old->setProperty(kChildId, viewNumber(old));
    }
    view->setProperty(kChildId, kFirstPaneId);
    view->viewport()->update();
    updateCommandUI();
}

void CMainFrame::UpdateAllViews() {
    for (CScrollViewBase* v : m_views) {
        v->OnUpdate();
    }
}

void CMainFrame::updateTitle() {
    QString title = QString::fromStdString(m_doc.GetTitle());
    title.replace(QStringLiteral("[*]"), QStringLiteral("[[*]]"));
    setWindowTitle(title + QStringLiteral("[*] - brelvan"));
    setWindowModified(m_doc.IsModified());
}

// ---- Window events

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_app.SaveModified()) {
        event->ignore();
        return;
    }
    m_bClosing = true;
    event->accept();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
    // A right click on the bars brings the program's context menu, as in the views.
    OnContextMenu(event->globalPos());
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QStringLiteral(".brv"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            return;
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && path.endsWith(QStringLiteral(".brv"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            activateWindow();
            m_app.OpenDocumentFile(path);
            updateTitle();
            updateCommandUI();
            return;
        }
    }
}

} // namespace brelvan::app
