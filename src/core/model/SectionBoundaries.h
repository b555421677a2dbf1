#pragma once
#include <array>
#include <cstdint>

// The rules of a drawing's section boundaries: up to ten ascending positions above a floor
// that the history cannot go below.
using SectionArray = std::array<int32_t, 10>;

// Where the section holding position starts: the boundary below it, or the floor.
int SectionStart(const SectionArray& sections, int floor, int position);

// Adds position as a boundary, keeping them ascending; with all ten in use the lowest becomes
// the floor. False when position was already a boundary or only moved the floor.
bool AddSectionBoundary(SectionArray& sections, int32_t& count, int32_t& floor, int position);
