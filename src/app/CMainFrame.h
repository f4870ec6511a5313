// The main window: menus, toolbar, status bar with the key indicators, accelerators, the
// context menu, and the switching between the report view and the chart view. Every command
// id has one QAction; menu, toolbar, accelerator and context menu all reach the same handler,
// routed to the active view, then the document, then the frame, then the application.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "support/Language.h"
#include "views/CommandIds.h"

class CBrelvanDoc;
class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace brelvan::views {
class CScrollViewBase;
}

namespace brelvan::app {

class CBrelvanApp;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The child id of the active view; hidden views keep 1 (report), 2 (chart), 3 (misfit map)
    // or 10 + the kind of a diagnostic plot.
    static constexpr int kFirstPaneId = 0xE900;
    // The kinds of view; a hidden view keeps its kind as its child id.
    static constexpr int kReportView = 1;
    static constexpr int kChartView = 2;
    static constexpr int kMisfitMapView = 3;

    CMainFrame(CBrelvanApp& app, CBrelvanDoc& doc);
    ~CMainFrame() override;

    // Bars, menus and the report view; false when a part cannot be created.
    bool OnCreate();

    // ---- Commands
    QAction* action(int id) const { return m_actions.value(id); }
    // Runs a command through the routing, then refreshes the command states and the title.
    void OnCommand(int id);
    // The state of a command as its update handler decides, through the same routing.
    cmd::CmdUI commandState(int id) const;
    // Sets every action's enabled and checked state from its update handler.
    void updateCommandUI();

    // ---- Views
    views::CScrollViewBase* GetActiveView() const { return m_pActiveView; }
    // The view with a child id (a view kind, kFirstPaneId the active one), or null.
    views::CScrollViewBase* findView(int childId) const;
    void AnsichtWechseln(int n); // n: a view kind
    void OnGrafik() { AnsichtWechseln(kChartView); }
    void OnText() { AnsichtWechseln(kReportView); }
    // "Anpassung …": the least-squares fit of the case; on Ja the case takes the values and
    // is computed again.
    void OnFit();
    void UpdateAllViews();

    // ---- Title and bars
    void updateTitle();
    QMenu* contextMenu() const { return m_pContextMenu; }
    QMenu* mainMenu(int index) const;
    QToolBar* toolBar() const { return m_pToolBar; }
    QLabel* indicator(int index) const; // 0 "UF", 1 "NUM", 2 "RF"
    void setIndicators(bool caps, bool num, bool scroll);
    // Shows the context menu at a screen point (only while a report or chart view is active).
    void OnContextMenu(const QPoint& globalPos);
    // "Sprache / Language": stores the language for the next start and says so.
    void OnLanguage(Language language);
    // Rebuilds the recent-file entries of the file menu.
    void updateRecentFileMenu();

    // How the context menu is shown; tests replace it to look at the menu instead.
    std::function<void(QMenu&, const QPoint&)> m_popupMenu;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* makeAction(int id, const QString& text, const QString& prompt);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createContextMenu();
    QMenu* createLanguageMenu();
    bool frameCommand(int id);
    bool frameUpdate(int id, cmd::CmdUI& ui) const;
    views::CScrollViewBase* createView(int n);

    CBrelvanApp& m_app;
    CBrelvanDoc& m_doc;
    QHash<int, QAction*> m_actions;
    QList<QMenu*> m_menus;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QMenu* m_pContextMenu = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QStackedWidget* m_pStack = nullptr;
    QList<QLabel*> m_indicators;
    views::CScrollViewBase* m_pActiveView = nullptr;
    QList<views::CScrollViewBase*> m_views;
    bool m_bClosing = false;
};

} // namespace brelvan::app
