#include "core/model/UndoKind.h"
#include <array>
#include <string>

namespace {
// The Edit menu's texts of every kind, made once from the action names: Undo's item shows the
// undo kinds and, with one level, the redo kinds (Ctrl+Z either way); Redo's item its action.
struct MenuTexts {
    std::array<std::string, 2 * kUndoActionCount + 1> undo;
    std::array<std::string, kUndoActionCount + 1> redo;

    MenuTexts()
    {
        undo[kUndoNone] = "&Undo\tCtrl+Z";
        redo[kUndoNone] = "&Redo\tCtrl+Y";
        for (int a = 1; a <= kUndoActionCount; ++a) {
            const std::string name = kUndoActionNames[a];
            undo[static_cast<size_t>(a)] = "&Undo " + name + "\tCtrl+Z";
            undo[static_cast<size_t>(a + kUndoActionCount)] = "&Redo " + name + "\tCtrl+Z";
            redo[static_cast<size_t>(a)] = "&Redo " + name + "\tCtrl+Y";
        }
    }
};

const MenuTexts& Texts()
{
    static const MenuTexts texts;
    return texts;
}
} // namespace

UndoMenuState UndoMenuFor(int kind)
{
    if (kind < 0 || kind > 2 * kUndoActionCount)
        return {Texts().undo[0].c_str(), false};
    return {Texts().undo[static_cast<size_t>(kind)].c_str(), kind != kUndoNone};
}

UndoMenuState RedoMenuFor(UndoKind action)
{
    if (action <= kUndoNone || action > kUndoActionCount)
        return {Texts().redo[0].c_str(), false};
    return {Texts().redo[static_cast<size_t>(action)].c_str(), true};
}
