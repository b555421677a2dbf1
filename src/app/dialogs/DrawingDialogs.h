#pragma once
#include "core/settings/CAutoChange.h"

class CDaubrixApp;
class CDaubrixView;
class QWidget;

// The menu commands that open an option dialog, or toggle the mode without one when Ctrl is
// held. active is the active drawing's view, or null. Each returns true when a setting changed.
namespace DrawingDialogs {
bool LinesCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* active, bool ctrl);
bool JitterCommand(QWidget* parent, CDaubrixApp& app, bool ctrl);
bool SkippingCommand(QWidget* parent, CDaubrixApp& app, bool ctrl);
bool PolarMirrorCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* active, bool ctrl);
bool AutoChangeCommand(QWidget* parent, CDaubrixApp& app, ColorComponent component, bool ctrl);
} // namespace DrawingDialogs
