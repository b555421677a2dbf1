#pragma once
#include "core/imaging/BackgroundImage.h"
#include "core/imaging/CImage32.h"
#include "core/commands/FileMessages.h"
#include <string>

class CDaubrixView;
struct CImageSettings;
class IHost;
class IImageDialogs;

enum class ImageFileKind { Bmp, Jpeg, Png, Unknown };

// ".bmp" is BMP, ".jpg" and ".jpeg" are JPEG, ".png" is PNG (any case); everything else is unknown.
ImageFileKind ImageFileKindFor(const std::string& path);

// Writes the drawing image as the path's kind says; quality 1..100 for JPEG. Failures show
// "Error writing BMP", "Error writing JPG" or "Error writing PNG"; an unknown kind is answered with a message
// naming the kinds that can be written. True when a file was written.
bool SaveDrawingImage(const std::string& path, const CImage32& image, int quality, IHost& host);
// The writing half: CannotWrite after the writer's own notes, or NotThisKind for a kind that
// cannot be written.
FileResult WriteDrawingImage(const std::string& path, const CImage32& image, int quality);
// How Save Image words its failures for this path.
FileWording SaveImageWording(const std::string& path);

// Save Image: asks for a name (and for JPEG the quality), then writes the view's drawing image.
void SaveImageCommand(IHost& host, CImageSettings& imaging, CDaubrixView& view, IImageDialogs& dialogs);

// Sizes the loaded picture, passes it through JPEG at quality 100 and lays it under the globs.
// Returns true when the drawing has the new background; the document is marked modified
// either way.
bool ApplyBackground(CDaubrixView& view, const CImage32& loaded, BackgroundSizing sizing, IHost& host);
// Load background: file, sizing dialog, then ApplyBackground. Refused on a low-colour display.
void LoadBackgroundCommand(IHost& host, CImageSettings& imaging, CDaubrixView& view, IImageDialogs& dialogs);
// Remove background.
void RemoveBackgroundCommand(CDaubrixView& view);

// The sizing last chosen, from the application's two flags, and back.
BackgroundSizing LastBackgroundSizing(const CImageSettings& imaging);
void StoreBackgroundSizing(CImageSettings& imaging, BackgroundSizing sizing);
