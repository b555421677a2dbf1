#pragma once
#include <QPoint>

class CMainFrame;
class CDrawingWidget;

// The drawing's right-button menu: Save Image, Regenerate, Clear, Background Color, Load and
// Remove background, each doing what the frame's command does, enabled and checked alike.
void ShowViewContextMenu(CMainFrame& frame, CDrawingWidget& widget, QPoint globalPos);
