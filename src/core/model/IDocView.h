#pragma once

// What the document needs of its one view.
class IDocView {
public:
    virtual ~IDocView() = default;
    // A section boundary was added at position; the history slider follows.
    virtual void OnSectionAdded(int position) = 0;
    // Globs or colour changes from position on changed (see CDaubrixDoc::SequenceChangedFrom).
    virtual void OnSequenceChanged(int /*position*/) {}
};
