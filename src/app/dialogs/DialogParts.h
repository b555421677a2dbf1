#pragma once
#include <QString>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QRadioButton;
class QWidget;

// Pieces the small option dialogs share.

// The standard refusal of a typed number outside its range.
QString RangeMessage(int minimum, int maximum);
void ShowRangeMessage(QWidget* parent, const QString& text);

// "On" and "Off" side by side, the one for on checked.
QHBoxLayout* OnOffRow(QRadioButton* onButton, QRadioButton* offButton, bool on);
// OK (default) and Cancel wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
