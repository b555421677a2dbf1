#pragma once
#include <QString>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QWidget;

// Pieces the small option dialogs share.

// The standard refusal of a typed number outside its range.
QString RangeMessage(int minimum, int maximum);
// The standard refusal of a box that holds no whole number at all.
QString IntegerMessage();
// What a box of whole numbers from minimum to maximum says about its text; empty when good.
QString NumberBoxMessage(const QString& text, int minimum, int maximum);
void ShowRangeMessage(QWidget* parent, const QString& text);

// "On" and "Off" side by side, the one for on checked.
QHBoxLayout* OnOffRow(QRadioButton* onButton, QRadioButton* offButton, bool on);
// A modal dialog's title bar: a close button only, no minimise or maximise; a fixed-layout
// dialog cannot be resized either.
void UseDialogFrame(QDialog* dialog, bool fixedSize = true);
// A message-box icon of the style (information, warning ...) in a label, at message-box size.
QLabel* StandardIconLabel(QWidget* dialog, int standardPixmap);
// OK (default) and Cancel wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
