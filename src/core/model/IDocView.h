#pragma once

// What the document needs of its one view.
class IDocView {
public:
    virtual ~IDocView() = default;
    // The history position: number of leading globs shown.
    virtual int GetShownCount() const = 0;
    // A section boundary was added at position; the history slider follows.
    virtual void OnSectionAdded(int position) = 0;
};
