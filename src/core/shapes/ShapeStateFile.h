#pragma once
#include "core/base/FileResult.h"
#include "core/shapes/CShapeTable.h"
#include <cstdint>
#include <string>
#include <vector>

// The shape state file: which size of each family is shown, every shape's colour and the
// current shape. "Daubrix Shape State", a count byte n, n records of shown flag (32-bit),
// hue (16-bit), saturation and value, then the current-shape byte: 21 + 8n bytes.
constexpr const char* kShapeStateHeader = "Daubrix Shape State";
constexpr int kShapeStateHeaderSize = 19;
constexpr int kShapeStateRecordSize = 8;

std::vector<uint8_t> ShapeStateBytes(const CShapeTable& shapes);

// Applies a file image to the table. A wrong header, a file shorter than its count says or a
// hue outside 0..360 is refused and changes nothing. Records beyond the loaded shapes are
// skipped; the current-shape byte is read after the last record written.
enum class ShapeStateResult { Applied, Invalid };
ShapeStateResult ApplyShapeStateBytes(const std::string& bytes, CShapeTable& shapes);

// CannotWrite when the file cannot be written.
FileResult SaveShapeState(const std::string& path, const CShapeTable& shapes);
// CannotRead when the file cannot be read, NotThisKind when it is refused; the table is then
// unchanged.
FileResult LoadShapeState(const std::string& path, CShapeTable& shapes);
