#include "core/print/PrintUnits.h"
#include <cstdio>

float UnitsPerInch(PrintUnit unit)
{
    switch (unit) {
    case PrintUnit::Cm: return 2.54f;
    case PrintUnit::Mm: return 25.4f;
    case PrintUnit::Inch: break;
    }
    return 1.0f;
}

const char* UnitEntry(PrintUnit unit)
{
    switch (unit) {
    case PrintUnit::Cm: return "cm";
    case PrintUnit::Mm: return "mm";
    case PrintUnit::Inch: break;
    }
    return "inch";
}

const char* UnitLabel(PrintUnit unit)
{
    return unit == PrintUnit::Inch ? "inches" : UnitEntry(unit);
}

PrintUnit UnitFromIndex(int index)
{
    return index == 1 ? PrintUnit::Cm : index == 2 ? PrintUnit::Mm : PrintUnit::Inch;
}

int ConvertDotsPerUnit(int dots, PrintUnit from, PrintUnit to)
{
    if (from == to)
        return dots;
    // Dots per inch become fewer dots per cm: the factor is the inverse of the length ratio.
    float factor = 1.0f;
    if (from == PrintUnit::Inch)
        factor = to == PrintUnit::Cm ? 0.39370078f : 0.03937008f;
    else if (to == PrintUnit::Inch)
        factor = from == PrintUnit::Cm ? 2.54f : 25.4f;
    else
        factor = from == PrintUnit::Cm ? 0.1f : 10.0f;
    return static_cast<int>(static_cast<float>(dots) * factor + 0.5f);
}

std::string FormatSize(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%1.2f", static_cast<double>(value));
    return text;
}
