#pragma once
#include <QCursor>

// The pointer of Pattern mode: a small cross where the stamp lands, beside a stamp of nine
// dots, white on a black edge so it shows on any drawing.
QCursor PatternCursor();
