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
constexpr const char* kRedoTexts[kUndoActionCount + 1] = {
    "&Redo\tCtrl+Y",
    "&Redo Simulate Depth\tCtrl+Y",
    "&Redo Drawing\tCtrl+Y",
    "&Redo Move Center\tCtrl+Y",
    "&Redo Clear Drawing\tCtrl+Y",
    "&Redo Cut\tCtrl+Y",
    "&Redo Paste\tCtrl+Y",
};
} // namespace

UndoMenuState UndoMenuFor(int kind)
{
    if (kind < 0 || kind > 2 * kUndoActionCount)
        return {kUndoTexts[0], false};
    return {kUndoTexts[kind], kind != kUndoNone};
}

UndoMenuState RedoMenuFor(UndoKind action)
{
    if (action <= kUndoNone || action > kUndoActionCount)
        return {kRedoTexts[0], false};
    return {kRedoTexts[action], true};
}
