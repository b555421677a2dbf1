#pragma once
#include "core/model/CGlobBuffer.h"
#include <cstdint>
#include <vector>

class CDaubrixDoc;

// The application-wide glob clipboard and pattern, shared by every open drawing, and the
// choices their dialogs last made. Never on the system clipboard, never in a file.
class CGlobClipboard {
public:
    CGlobBuffer m_clipboard;
    CGlobBuffer m_pattern;

    int32_t m_copyEntire = 1;
    int32_t m_cutEntire = 1;
    int32_t m_pastePreserveColors = 1;
    int32_t m_patternEntire = 1;
    int32_t m_patternPreserveColors = 1;

    // Every open drawing, so that refilling the clipboard reaches them all.
    void Attach(CDaubrixDoc* doc);
    void Detach(CDaubrixDoc* doc);
    // The clipboard was refilled: Undo Cut and Redo Paste would insert its former contents,
    // so no open drawing may offer them any longer.
    void ForgetClipboardSteps();

private:
    std::vector<CDaubrixDoc*> m_docs;
};
