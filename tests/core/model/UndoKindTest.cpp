#include "core/model/UndoKind.h"
#include <gtest/gtest.h>
#include <string>

// The Edit menu's words for every kind, as users have always seen them.
TEST(UndoKind, EveryKindHasItsMenuTextsAndOutOfRangeKindsThePlainDisabledOnes)
{
    const char* const undo[] = {
        "&Undo\tCtrl+Z", "&Undo Simulate Depth\tCtrl+Z", "&Undo Drawing\tCtrl+Z", "&Undo Move Center\tCtrl+Z",
        "&Undo Clear Drawing\tCtrl+Z", "&Undo Cut\tCtrl+Z", "&Undo Paste\tCtrl+Z", "&Redo Simulate Depth\tCtrl+Z",
        "&Redo Drawing\tCtrl+Z", "&Redo Move Center\tCtrl+Z", "&Redo Clear Drawing\tCtrl+Z", "&Redo Cut\tCtrl+Z",
        "&Redo Paste\tCtrl+Z",
    };
    static_assert(sizeof undo / sizeof undo[0] == 2 * kUndoActionCount + 1);
    for (int kind = 0; kind <= 2 * kUndoActionCount; ++kind) {
        EXPECT_EQ(std::string(UndoMenuFor(kind).text), undo[kind]) << kind;
        EXPECT_EQ(UndoMenuFor(kind).enabled, kind != kUndoNone) << kind;
    }
    const char* const redo[] = {
        "&Redo\tCtrl+Y", "&Redo Simulate Depth\tCtrl+Y", "&Redo Drawing\tCtrl+Y", "&Redo Move Center\tCtrl+Y",
        "&Redo Clear Drawing\tCtrl+Y", "&Redo Cut\tCtrl+Y", "&Redo Paste\tCtrl+Y",
    };
    for (int action = 0; action <= kUndoActionCount; ++action) {
        EXPECT_EQ(std::string(RedoMenuFor(static_cast<UndoKind>(action)).text), redo[action]) << action;
        EXPECT_EQ(RedoMenuFor(static_cast<UndoKind>(action)).enabled, action != kUndoNone) << action;
    }
    for (int bad : {-1, 2 * kUndoActionCount + 1, 255}) {
        EXPECT_EQ(std::string(UndoMenuFor(bad).text), undo[0]) << bad;
        EXPECT_FALSE(UndoMenuFor(bad).enabled) << bad;
    }
    EXPECT_FALSE(RedoMenuFor(RedoKind(kUndoDepth)).enabled);   // a redo kind is not an action
}
