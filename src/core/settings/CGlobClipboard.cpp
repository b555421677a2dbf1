#include "core/settings/CGlobClipboard.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/UndoKind.h"
#include <algorithm>

void CGlobClipboard::Attach(CDaubrixDoc* doc)
{
    if (std::find(m_docs.begin(), m_docs.end(), doc) == m_docs.end())
        m_docs.push_back(doc);
}

void CGlobClipboard::Detach(CDaubrixDoc* doc)
{
    std::erase(m_docs, doc);
}

void CGlobClipboard::ForgetClipboardSteps()
{
    for (CDaubrixDoc* doc : m_docs)
    {
        doc->Undo().ForgetUndoOf(kUndoCut);
        doc->Undo().ForgetRedoOf(kUndoPaste);
    }
}
