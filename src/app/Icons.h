// The program's own icons, drawn with QPainter: the toolbar buttons (16 x 15 pixels, with
// larger renderings for screens of higher density) and the application icon.
#pragma once

#include <QIcon>

namespace brelvan::app {

// The toolbar icon of a command id; a null icon for commands without one.
QIcon toolbarIcon(int commandId);
QIcon applicationIcon();

} // namespace brelvan::app
