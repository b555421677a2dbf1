#pragma once
#include <cstdint>

// The document's one undo step: six actions, each as its undo (1-6) and its redo (7-12).
enum UndoKind : uint8_t {
    kUndoNone = 0,
    kUndoDepth = 1,
    kUndoDrawing = 2,
    kUndoMoveCenter = 3,
    kUndoClear = 4,
    kUndoCut = 5,
    kUndoPaste = 6,
    kRedoDepth = 7,
    kRedoDrawing = 8,
    kRedoMoveCenter = 9,
    kRedoClear = 10,
    kRedoCut = 11,
    kRedoPaste = 12,
};
// The actions that can be undone; each kind past them is the redo of kind - kUndoActionCount.
constexpr int kUndoActionCount = kUndoPaste;

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
