#pragma once
#include <string>

// The unit the print resolution is counted in; the values are the unit list's entries.
enum class PrintUnit { Inch = 0, Cm = 1, Mm = 2 };

// Units per inch, as the single-precision constants the layout has always used.
float UnitsPerInch(PrintUnit unit);
// The entry of the unit list: "inch", "cm", "mm".
const char* UnitEntry(PrintUnit unit);
// The label beside the printed width and height: "inches", "cm", "mm".
const char* UnitLabel(PrintUnit unit);
// Any stored number as a unit; unknown numbers count as inches.
PrintUnit UnitFromIndex(int index);

// Dots per unit re-expressed in another unit, rounded (value x factor + 0.5, truncated).
int ConvertDotsPerUnit(int dots, PrintUnit from, PrintUnit to);

// "%1.2f" of a value, the way the size boxes show it.
std::string FormatSize(float value);
