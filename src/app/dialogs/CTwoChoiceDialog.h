#pragma once
#include <QDialog>
#include <QString>

class QRadioButton;

// The small dialogs of the glob clipboard: two radio buttons in a titled group. OK stores the
// choice, Cancel cancels the command.
class CTwoChoiceDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString title, group, first, second;
    };
    // first: the first button is checked.
    CTwoChoiceDialog(const Texts& texts, bool first, QWidget* parent = nullptr);

    static Texts CopyTexts() { return {"Copy", "Copy", "Entire Drawing", "Last Section Only"}; }
    static Texts CutTexts() { return {"Cut", "Cut", "Entire Drawing", "Last Section Only"}; }
    static Texts PasteTexts() { return {"Paste", "Colors", "Preserve colors", "Use new colors"}; }
    static Texts DefinePatternTexts() { return {"Define Pattern", "Make Pattern From", "Entire Drawing", "Last Section Only"}; }

    bool First() const;
    QRadioButton* FirstButton() const { return m_first; }
    QRadioButton* SecondButton() const { return m_second; }

private:
    QRadioButton* m_first;
    QRadioButton* m_second;
};
