#pragma once
#include <QColor>
#include <QIcon>
#include <QPixmap>

// The small pictures on the tool windows' buttons, drawn in the button-text colour so they
// follow the desktop's colours.
class CButtonPictures {
public:
    static QPixmap LeftTriangle(const QColor& ink);
    static QPixmap RightTriangle(const QColor& ink);
    // A triangle against a bar: the jump to the previous or next section boundary.
    static QPixmap PreviousSection(const QColor& ink);
    static QPixmap NextSection(const QColor& ink);
    // Play's stop while playing (Play itself is the right triangle).
    static QPixmap Stop(const QColor& ink);
    // "123" in a tiny pixel font: the colour values button.
    static QPixmap Digits(const QColor& ink);

    // A button icon of one picture, with a copy of doubled pixels for dense screens, so the
    // picture stays crisp there instead of being smoothed up.
    static QIcon Icon(const QPixmap& picture);
};
