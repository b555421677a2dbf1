#pragma once

// Every command of the menu bar and the toolbars. The main frame makes one QAction per id;
// features connect to CMainFrame::Action(id).
enum class CommandId {
    // File
    FileNew, FileOpen, FileClose, FileSave, FileSaveAs, FilePrint, FilePrintPreview, FilePrintSetup,
    FileMru1, FileMru2, FileMru3, FileMru4, AppExit,
    // Edit
    EditUndo, EditRedo, EditCut, EditCopy, EditPaste, DefinePattern, Preferences,
    // View
    ViewToolbar, ViewToolbar2, ViewStatusBar, ViewShapesWindow, ViewColorsWindow, ViewHistoryWindow,
    FullScreen, MoveCenter, ResetCenter, Regenerate, ClearDrawing,
    // Drawing
    Lines, Jitter, Skipping, MirrorHorizontal, MirrorVertical, MirrorBoth, PolarMirror, Pattern,
    // Colors
    AutoHue, AutoSat, AutoVal, SimulateDepth, SampleColor, SampleShape, BackgroundColor,
    // Image
    SaveImage, ImportImage, CreateMovie, LoadBackground, RemoveBackground, DrawingInfo, PrintSize,
    // Window
    WindowCascade, WindowTile, WindowArrange,
    // Help
    TipOfTheDay, HelpTopics, HelpIndex, ContextHelp, About,
    Count
};
