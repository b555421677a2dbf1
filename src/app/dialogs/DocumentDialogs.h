#pragma once
#include <QString>

class CDaubrixView;
class IHost;
class QWidget;

// File Open and Save As questions for drawings, filter "Daubrix Files (*.dbx)". Empty when
// cancelled.
QString AskOpenDocumentPath(QWidget* parent);
QString AskSaveDocumentPath(QWidget* parent, const QString& suggested);

// File Save: to the drawing's own path, or as Save As when it has none yet.
bool SaveDrawing(QWidget* parent, CDaubrixView& view, IHost& host);
// File Save As: asks for a name (the current one, or the title with ".dbx"), then saves.
bool SaveDrawingAs(QWidget* parent, CDaubrixView& view, IHost& host);
