#pragma once
// Qav's own drawings: the ten toolbar images (16 x 16), the application icon
// and the icon of the diagram windows.

#include <QIcon>

QIcon ToolbarIcon(int commandId);
QIcon ApplicationIcon();
QIcon DiagramWindowIcon();
