// Compiled once per layer with that layer's include folders (tests/CMakeLists.txt): the build
// fails when a layer sees a layer above it or stops seeing one below. BRELVAN_SEES_<LAYER> is 1
// for the layers that must be visible, 0 for the others.
#if BRELVAN_SEES_SUPPORT != __has_include("support/FileIo.h")
#error "the layer sees support wrongly"
#endif
#if BRELVAN_SEES_ENGINE != __has_include("engine/Run.h")
#error "the layer sees engine wrongly"
#endif
#if BRELVAN_SEES_DOCUMENT != __has_include("document/CBrelvanDoc.h")
#error "the layer sees document wrongly"
#endif
#if BRELVAN_SEES_VIEWS != __has_include("views/GraphChart.h")
#error "the layer sees views wrongly"
#endif
#if BRELVAN_SEES_DIALOGS != __has_include("dialogs/DlgInput.h")
#error "the layer sees dialogs wrongly"
#endif
#if BRELVAN_SEES_CLI != __has_include("cli/Options.h")
#error "the layer sees cli wrongly"
#endif
#if BRELVAN_SEES_APP != __has_include("app/CMainFrame.h")
#error "the layer sees app wrongly"
#endif

int brelvanLayerProbe() {
    return 0;
}
