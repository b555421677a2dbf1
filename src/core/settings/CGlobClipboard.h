#pragma once
#include "core/model/CGlobBuffer.h"

// The application-wide glob clipboard and pattern, shared by every open drawing.
struct CGlobClipboard {
    CGlobBuffer m_clipboard;
    CGlobBuffer m_pattern;
};
