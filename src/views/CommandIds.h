// Command identifiers of the menus, the toolbar, the accelerators and the context menu.
#pragma once

namespace brelvan::cmd {

enum : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_LAST = 57631,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_PREVIEW_CLOSE = 61445,
    ID_DATA_CHANGE = 32772,
    ID_GRAFIK = 32773,
    ID_TEXT = 32774,
    ID_HILFE = 32775,
    ID_WRITE_AUSTXT = 32777,
    ID_READ_AUSTXT = 32779,
    ID_GRAFIKLUPE = 32784,
    ID_MISFIT_MAP = 32800,
    ID_FIT = 32801,
    ID_INFLUX_CALCULATOR = 32802,
};

// What an update handler decides for a command: enabled, checked; handled tells whether the
// handler exists at this level of the routing.
struct CmdUI {
    bool enabled = true;
    bool checked = false;
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
};

} // namespace brelvan::cmd
