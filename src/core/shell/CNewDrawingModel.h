#pragma once
#include <optional>
#include <string>

// The arithmetic of the New Drawing dialog: presets, the aspect lock and the checks on OK.
// The dialog feeds it the boxes' texts and shows what it returns.
class CNewDrawingModel {
public:
    static constexpr int kMin = 100;
    static constexpr int kMax = 2048;

    CNewDrawingModel(int width, int height, bool locked);

    // Set-up is over: from now on width edits follow the lock.
    void FinishSetUp(int spinWidth, int spinHeight);
    // The lock box changed (or is re-applied): the reference ratio is taken from the spins.
    void ApplyLock(bool checked, int spinWidth, int spinHeight);
    // The width box's text changed. Returns the new height text when the lock moves it.
    std::optional<std::string> WidthEdited(const std::string& widthText) const;
    // Preset 0..3: 1024 x 768, 800 x 600, 640 x 480, 400 x 400.
    void Preset(int index);

    // Checks one box's text; returns the message to show, or nothing when it is acceptable.
    static std::optional<std::string> Check(const std::string& text, int* value = nullptr);
    // Both boxes; on success stores width and height. *badBox = 0 (width) or 1 (height).
    bool Accept(const std::string& widthText, const std::string& heightText, std::string& message,
                int& badBox);

    // Parses a decimal integer box; false when it holds no number.
    static bool Parse(const std::string& text, int& value);

    int m_width;
    int m_height;
    bool m_locked;
    int m_refWidth;
    int m_refHeight;
    bool m_initialising = true;
};
