#include "core/view/depth/ChromaDepthTable.h"
#include <algorithm>

namespace {
constexpr HsvColor kTable[kChromaDepthEntries] = {
    {0, 255, 255},   {3, 255, 255},   {7, 255, 255},   {11, 255, 255},  {15, 255, 255},
    {19, 255, 255},  {24, 255, 253},  {29, 255, 249},  {35, 255, 243},  {43, 255, 233},
    {52, 255, 221},  {64, 255, 220},  {75, 255, 248},  {82, 218, 228},  {95, 159, 195},
    {139, 125, 164}, {182, 193, 141}, {200, 255, 169}, {212, 255, 193}, {221, 255, 214},
    {227, 255, 230}, {231, 255, 243}, {234, 255, 251}, {237, 255, 255}, {239, 255, 255},
};
} // namespace

HsvColor ChromaDepthColor(int index)
{
    return kTable[std::clamp(index, 0, kChromaDepthEntries - 1)];
}
