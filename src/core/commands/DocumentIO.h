#pragma once
#include "core/base/FileResult.h"
#include "core/commands/FileMessages.h"
#include <cstdint>
#include <string>
#include <vector>

class CDaubrixDoc;
struct DocumentBackground;
class CDaubrixView;
class IHost;

// Opens a ".dbx" file into doc (and the background into view, when there is one). Failures
// are reported through the host: "Failed to open document." when the file cannot be read,
// "Unexpected file format." when its bytes are not a drawing; doc and view are then unchanged.
// On success the path, title and modified flag are set and the view shows the whole drawing
// at its next paint.
// The reading half of OpenDocumentFile, for a document that has no view yet: the background
// (when background is not null) is handed back for ShowOpenedDocument.
FileResult ReadDocument(const std::string& path, CDaubrixDoc& doc, DocumentBackground* background, bool lowColor);
bool ReadDocumentFile(const std::string& path, CDaubrixDoc& doc, DocumentBackground* background, bool lowColor,
                      IHost& host);
void ShowOpenedDocument(CDaubrixView& view, DocumentBackground background);
bool OpenDocumentFile(const std::string& path, CDaubrixDoc& doc, CDaubrixView* view, bool lowColor, IHost& host);

// The bytes a save would write, with the view's background (view may be null).
FileResult DocumentBytes(CDaubrixDoc& doc, const CDaubrixView* view, std::vector<uint8_t>& bytes);
// Saves through the atomic save path: a failed save leaves any previous file as it was and
// reports "Failed to save document.". On success path, title and modified flag are updated.
FileResult SaveDocument(const std::string& path, CDaubrixDoc& doc, const CDaubrixView* view);
bool SaveDocumentFile(const std::string& path, CDaubrixDoc& doc, const CDaubrixView* view, IHost& host);

// How the document commands word their failures.
const FileWording& DocumentWording();

// The name shown for a path: its last component.
std::string DocumentTitleFor(const std::string& path);
