#pragma once
#include <cstdint>

// The actions that can be undone, each as its undo kind; its redo kind is RedoKind(action). A new
// action is an entry above kUndoActionEnd and its name in kUndoActionNames; no kind is stored
// in a file, so the numbers may move.
enum UndoKind : uint8_t {
    kUndoNone = 0,
    kUndoDepth,
    kUndoDrawing,
    kUndoMoveCenter,
    kUndoClear,
    kUndoCut,
    kUndoPaste,
    kUndoActionEnd
};
constexpr int kUndoActionCount = kUndoActionEnd - 1;

// The kind of an action waiting to be redone.
constexpr UndoKind RedoKind(UndoKind action) { return static_cast<UndoKind>(action + kUndoActionCount); }

// Each action's name in the Edit menu ("&Undo Drawing", "&Redo Drawing"), in kind order.
constexpr const char* kUndoActionNames[kUndoActionCount + 1] = {
    "", "Simulate Depth", "Drawing", "Move Center", "Clear Drawing", "Cut", "Paste",
};

// What the Edit menu's Undo/Redo item shows for an undo kind.
struct UndoMenuState {
    const char* text;
    bool enabled;
};

// Text from the table of every kind and the enable rule (any kind but 0). A kind outside the table
// shows the plain entry, disabled.
UndoMenuState UndoMenuFor(int kind);
// The Redo item of several undo levels: "&Redo X\tCtrl+Y" for an action, disabled for none.
UndoMenuState RedoMenuFor(UndoKind action);
