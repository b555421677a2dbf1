#include "core/model/UndoKind.h"

namespace {
constexpr const char* kUndoTexts[2 * kUndoActionCount + 1] = {
    "&Undo\tCtrl+Z",
    "&Undo Simulate Depth\tCtrl+Z",
    "&Undo Drawing\tCtrl+Z",
    "&Undo Move Center\tCtrl+Z",
    "&Undo Clear Drawing\tCtrl+Z",
    "&Undo Cut\tCtrl+Z",
    "&Undo Paste\tCtrl+Z",
    "&Redo Simulate Depth\tCtrl+Z",
    "&Redo Drawing\tCtrl+Z",
    "&Redo Move Center\tCtrl+Z",
    "&Redo Clear Drawing\tCtrl+Z",
    "&Redo Cut\tCtrl+Z",
    "&Redo Paste\tCtrl+Z",
};
} // namespace

UndoMenuState UndoMenuFor(int kind)
{
    if (kind < 0 || kind > 2 * kUndoActionCount)
        return {kUndoTexts[0], false};
    return {kUndoTexts[kind], kind != kUndoNone};
}
