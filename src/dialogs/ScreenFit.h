// Every window of the program fits its screen: a window larger than the screen's free area is
// made smaller, and where its contents need more room than that they scroll; a window that
// would open beyond the screen's edges is moved inside.
#pragma once

class QObject;
class QWidget;

namespace brelvan::dialogs {

// Fits a top-level window into the available area of its screen (of the primary screen when
// it has none yet): no larger than that area, placed inside it. A laid-out window whose layout
// needs more room gets its contents inside a scroll area.
void fitWindowIntoScreen(QWidget* window);

// Makes every top-level window fit its screen when it is shown; installed on the application
// once. The filter belongs to `parent`.
void installScreenFit(QObject* parent);

} // namespace brelvan::dialogs
