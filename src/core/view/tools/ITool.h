#pragma once

// The pointer the view shows while a tool is chosen.
enum class ToolCursor { CurrentShape, MoveCenter, Sample, Pattern };

// What a left click does in the view, chosen from the application's mode flags. Tools that
// draw place every glob through CStrokeEngine::PlaceGlobs.
class ITool {
public:
    virtual ~ITool() = default;
    // True when a click starts a stroke: the engine prepares the sequence before ButtonDown
    // and records the drawing undo step after it.
    virtual bool Draws() const = 0;
    // Drawing coordinates; ctrl is held.
    virtual void ButtonDown(int x, int y, bool ctrl) = 0;
    // True when the rubber band moved and the window should show it again.
    virtual bool MouseMove(int /*x*/, int /*y*/, bool /*ctrl*/) { return false; }
    virtual void ButtonUp() {}
    virtual ToolCursor Cursor() const { return ToolCursor::CurrentShape; }
};
