#pragma once
#include <QCursor>

// The drawing's pointers for the sampling modes and Pattern mode, drawn here. Each is white
// on a black edge so it shows on any drawing.
QCursor SampleCursor();    // a dropper; its tip is the point sampled
QCursor PatternCursor();   // a stamp with a cross hair where the pattern's centre goes
