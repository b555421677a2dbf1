#include "app/shell/CCommandTable.h"
#include <cassert>
#include <cstddef>

namespace {
using C = CommandId;

// In CommandId order.
const CommandInfo kCommands[] = {
    {C::FileNew, 57600, "&New\tCtrl+N", "Ctrl+N", "Create a new drawing\nNew", false, "&File", false},
    {C::FileOpen, 57601, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing drawing\nOpen", false, "&File", false},
    {C::FileClose, 57602, "&Close", "", "Close the active drawing\nClose", false, "&File", false},
    {C::FileSave, 57603, "&Save\tCtrl+S", "Ctrl+S", "Save the active drawing\nSave", false, "&File", false},
    {C::FileSaveAs, 57604, "Save &As...", "", "Save the active drawing under a new name\nSave As", false, "&File", false},
    {C::FilePrint, 57607, "&Print...\tCtrl+P", "Ctrl+P", "Print the active drawing\nPrint", false, "&File", true},
    {C::FilePrintPreview, 57609, "Print Pre&view", "", "Show the whole page as it will be printed\nPrint Preview", false, "&File", false},
    {C::FilePrintSetup, 57606, "P&rint Setup...", "", "Change the printer and printing options\nPrint Setup", false, "&File", false},
    {C::FileMru1, 57616, "Recent File", "", "Open this drawing", false, "&File", true},
    {C::FileMru2, 57617, "Recent File", "", "Open this drawing", false, "&File", false},
    {C::FileMru3, 57618, "Recent File", "", "Open this drawing", false, "&File", false},
    {C::FileMru4, 57619, "Recent File", "", "Open this drawing", false, "&File", false},
    {C::AppExit, 57665, "E&xit", "", "Quit the program; asks to save drawings\nExit", false, "&File", true},

    {C::EditUndo, 57643, "&Undo\tCtrl+Z", "Ctrl+Z;Alt+Backspace", "Undo or Redo the last action\nUndo", false, "&Edit", false},
    {C::EditRedo, 57644, "&Redo\tCtrl+Y", "Ctrl+Y;Ctrl+Shift+Z", "Redo the action undone last\nRedo", false, "&Edit", false},
    {C::EditCut, 57635, "Cu&t\tCtrl+X", "Ctrl+X;Shift+Del", "Cut globs to the glob clipboard\nCut", false, "&Edit", true},
    {C::EditCopy, 57634, "&Copy\tCtrl+C", "Ctrl+C;Ctrl+Ins", "Copy globs to the glob clipboard\nCopy", false, "&Edit", false},
    {C::EditPaste, 57637, "&Paste\tCtrl+V", "Ctrl+V;Shift+Ins", "Insert the globs of the glob clipboard\nPaste", false, "&Edit", false},
    {C::DefinePattern, 32826, "D&efine Pattern\tCtrl+E", "Ctrl+E", "Make globs of the drawing the stamp pattern\nDefine Pattern", false, "&Edit", true},
    {C::Preferences, 32870, "Pre&ferences...", "", "Change undo levels, recovery copies and playback length\nPreferences", false, "&Edit", true},

    {C::ViewToolbar, 59392, "&Toolbar", "", "Show or hide the toolbar\nToolbar", true, "&View", false},
    {C::ViewToolbar2, 32834, "Toolbar &2", "", "Show or hide the other toolbar\nToolbar 2", true, "&View", false},
    {C::ViewStatusBar, 59393, "&Status Bar", "", "Show or hide the status bar\nStatus Bar", true, "&View", false},
    {C::ViewShapesWindow, 32783, "Glob &Shapes\tCtrl+1", "Ctrl+1", "Toggle display of Glob Shapes window\nGlob Shapes", true, "&View", true},
    {C::ViewColorsWindow, 32786, "&Colors\tCtrl+2", "Ctrl+2", "Toggle display of Colors window\nColors", true, "&View", false},
    {C::ViewHistoryWindow, 32800, "Drawing &History\tCtrl+3", "Ctrl+3", "Toggle display of Drawing History window\nDrawing History", true, "&View", false},
    {C::FullScreen, 32835, "&Full Screen\tCtrl+F", "Ctrl+F", "Enter or exit Full-screen mode\nFull Screen", true, "&View", true},
    {C::MoveCenter, 32794, "&Move Center", "", "Click in the drawing to move the symmetry centre\nMove Center", true, "&View", true},
    {C::ResetCenter, 32795, "R&eset Center", "", "Put the symmetry centre back in the middle\nReset Center", false, "&View", false},
    {C::Regenerate, 32777, "&Regenerate\tCtrl+R", "Ctrl+R;F5", "Redraw the drawing glob by glob\nRegenerate", false, "&View", true},
    {C::ClearDrawing, 32781, "&Clear\tCtrl+W", "Ctrl+W", "Clear the drawing\nClear", false, "&View", false},

    {C::Lines, 32801, "&Lines\tL", "L", "Draw rows of evenly spaced globs\nLines", true, "&Drawing", false},
    {C::Jitter, 32809, "&Jitter\tJ", "J", "Scatter globs around the pointer\nJitter", true, "&Drawing", false},
    {C::Skipping, 32823, "&Skipping\tS", "S", "Leave out some of the globs while drawing\nSkipping", true, "&Drawing", false},
    {C::MirrorHorizontal, 32775, "Mirror &Horizontal\tH", "H", "Mirror globs left and right of the centre\nMirror Horizontal", true, "&Drawing", true},
    {C::MirrorVertical, 32776, "Mirror &Vertical\tV", "V", "Mirror globs above and below the centre\nMirror Vertical", true, "&Drawing", false},
    {C::MirrorBoth, 32774, "Mirror &Both\tB", "B", "Mirror globs both ways around the centre\nMirror Both", true, "&Drawing", false},
    {C::PolarMirror, 32779, "&Polar Mirror\tP", "P", "Repeat globs around the centre\nPolar Mirror", true, "&Drawing", false},
    {C::Pattern, 32825, "P&attern\tA", "A", "Stamp the pattern with each click\nPattern", true, "&Drawing", true},

    {C::AutoHue, 32789, "AutoChange &Hue", "", "Set hue of color to change automatically\nAuto-Change Hue", true, "&Colors", false},
    {C::AutoSat, 32790, "AutoChange &Sat", "", "Set saturation of color to change automatically\nAuto-Change Sat", true, "&Colors", false},
    {C::AutoVal, 32791, "AutoChange &Val", "", "Set value (lightness) of color to change automatically\nAuto-Change Val", true, "&Colors", false},
    {C::SimulateDepth, 32792, "Simulate &Depth\tCtrl+D", "Ctrl+D", "Shade the drawing by drawing order\nSimulate Depth", false, "&Colors", true},
    {C::SampleColor, 32819, "Sample &Color\tCtrl+Alt+C", "Ctrl+Alt+C", "Take the colour of the next glob clicked\nSample Color", true, "&Colors", true},
    {C::SampleShape, 32820, "S&ample Shape\tCtrl+Alt+S", "Ctrl+Alt+S", "Take the shape of the next glob clicked\nSample Shape", true, "&Colors", false},
    {C::BackgroundColor, 32822, "&Background Color", "", "Make the current colour the background\nBackground Color", false, "&Colors", true},

    {C::SaveImage, 32784, "&Save", "", "Save the image to a file\nSave Image", false, "&Image", false},
    {C::ImportImage, 32828, "&Import", "", "Convert an image to globs\nImport Image", false, "&Image", false},
    {C::CreateMovie, 32853, "&Create movie", "", "Create movie or image sequence of regeneration", false, "&Image", false},
    {C::LoadBackground, 32829, "&Load background", "", "Load an image to use as the background\nLoad Image", true, "&Image", true},
    {C::RemoveBackground, 32830, "&Remove background", "", "Remove the background image\nRemove background image", false, "&Image", false},
    {C::DrawingInfo, 32793, "I&nformation", "", "Display drawing information\nDrawing Info", false, "&Image", true},
    {C::PrintSize, 32854, "Si&ze when printed", "", "Set the size of the drawing when printed\nSize when printed", false, "&Image", false},

    {C::WindowCascade, 57650, "&Cascade", "", "Arrange the drawing windows so they overlap\nCascade", false, "&Window", false},
    {C::WindowTile, 57651, "&Tile", "", "Arrange the drawing windows side by side\nTile", false, "&Window", false},
    {C::WindowArrange, 57649, "&Arrange Icons", "", "Arrange the minimized drawing windows\nArrange Icons", false, "&Window", false},

    {C::TipOfTheDay, 105, "Ti&p of the Day...", "", "Show a tip about Daubrix\nTip of the Day", false, "&Help", false},
    {C::HelpTopics, 57667, "&Help Topics", "", "List the help topics\nHelp Topics", false, "&Help", true},
    {C::HelpIndex, 57670, "Help", "F1", "Show help for the program\nHelp", false, nullptr, false},
    {C::ContextHelp, 57669, "What's &This?\tShift+F1", "Shift+F1", "Show help for a clicked button, menu or window\nHelp", false, "&Help", false},
    {C::About, 57664, "&About Daubrix...", "", "Show program information and version\nAbout", false, "&Help", true},
};

static_assert(sizeof(kCommands) / sizeof(kCommands[0]) == static_cast<std::size_t>(CommandId::Count),
              "one entry per command");
} // namespace

const CommandInfo& CCommandTable::Info(CommandId id)
{
    const CommandInfo& info = kCommands[static_cast<std::size_t>(id)];
    assert(info.id == id);
    return info;
}
