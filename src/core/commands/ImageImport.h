#pragma once
#include "core/imaging/BackgroundImage.h"
#include "core/imaging/CImage32.h"
#include "core/settings/CImportSettings.h"
#include <string>

class CDaubrixApp;
class CDaubrixView;
class CLongOperation;
class IImportDialogs;

// What became of one conversion.
struct ImportOutcome {
    bool read = true;               // the picture could be read
    bool samplingCancelled = false; // ESC + Yes while sampling: nothing was appended
    bool placingCancelled = false;  // ESC + Yes while placing: the globs so far stay, hidden
    int samples = 0;
    int placed = 0;                 // globs the drawing accepted
};

// The size choice of the settings, and back.
BackgroundSizing ImportSizing(const CImportSettings& s);
void StoreImportSizing(CImportSettings& s, BackgroundSizing sizing);

// The picture as it is sampled: fitted or stretched to the drawing without blending, or as it is.
CImage32 SizeImportPicture(const CImage32& picture, int drawingW, int drawingH, BackgroundSizing sizing);

// Turns the sized picture into globs of the current shape appended to the drawing, with the
// application's import settings. Progress 0..50 while sampling and 50..100 while placing; ESC
// asks "Cancel Image Import?" once per row and every hundred samples. Leaves the new globs
// pending for the import paint.
ImportOutcome ConvertImageToGlobs(CDaubrixView& view, const CImage32& picture, CLongOperation& op);

// The whole import of one file with the application's settings: one undo step, the file read
// (refusals told, then "error reading file."), converted, a section at the end and the view
// asked to paint the new globs.
ImportOutcome ImportImageFile(CDaubrixView& view, const std::string& path);

// Image > Import: the file, the "Import Image" dialog (its choices kept for the run), then
// ImportImageFile.
void ImportImageCommand(CDaubrixApp& app, CDaubrixView& view, IImportDialogs& dialogs);
