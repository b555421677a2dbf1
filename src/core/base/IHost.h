#pragma once
#include <string>

// Icon of a message box. The engine names the kind; the GUI picks the picture.
enum class MsgIcon { None, Information, Exclamation, Stop, Question };

// Buttons of a question box.
enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };

enum class MsgAnswer { Ok, Yes, No, Cancel };

// The user-interface services the engine needs. The Qt program implements it; tests record it.
class IHost {
public:
    virtual ~IHost() = default;

    // A message box with an OK button.
    virtual void Message(const std::string& text, MsgIcon icon = MsgIcon::None,
                         const std::string& caption = {}) = 0;
    // A message about something that went on regardless (a damaged picture read as far as it
    // goes); shown as any message unless the host tells warnings apart.
    virtual void Warning(const std::string& text, MsgIcon icon = MsgIcon::None, const std::string& caption = {})
    {
        Message(text, icon, caption);
    }
    // A question; returns the button pressed.
    virtual MsgAnswer Ask(const std::string& text, MsgButtons buttons, MsgIcon icon = MsgIcon::Question,
                          const std::string& caption = {}) = 0;
    bool AskYesNo(const std::string& text, MsgIcon icon = MsgIcon::Question,
                  const std::string& caption = {})
    {
        return Ask(text, MsgButtons::YesNo, icon, caption) == MsgAnswer::Yes;
    }

    // Status-bar progress pane, 0..100, and its removal.
    virtual void ShowProgress(int percent) = 0;
    virtual void ClearProgress() = 0;

    // Status-bar message pane.
    virtual std::string GetStatusText() = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    // Wait cursor, nested.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Removes one waiting key press from the input queue and returns its key code
    // (27 for ESC), or 0 when none is waiting. Other input is not dispatched.
    virtual int TakePendingKey() = 0;
};
