#pragma once

class CDaubrixApp;
class CDaubrixView;
class QWidget;

// The commands of the glob clipboard, the pattern and Simulate Depth: each asks its dialog,
// stores the choice for the next time and has the active view (may be null) do the work.
// Each returns true when the drawing or a buffer changed.
namespace EditDialogs {
bool CopyCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view);
bool CutCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view);
bool PasteCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view);
bool DefinePatternCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view);
// With Ctrl held Pattern mode toggles without the dialog.
bool PatternCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view, bool ctrl);
bool SimulateDepthCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view);
} // namespace EditDialogs
