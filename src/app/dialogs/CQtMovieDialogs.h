#pragma once
#include "core/movie/IMovieDialogs.h"
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Create movie's dialogs shown with Qt, owned by the given window.
class CQtMovieDialogs : public IMovieDialogs {
public:
    explicit CQtMovieDialogs(QWidget* parent) : m_parent(parent) {}

    std::string AskMoviePath(bool lowColor) override;
    bool AskMovieOptions(MovieDialogValues& values) override;
    bool AskAviOptions(AviOptions& options, const CMovieSettings& remembered, MovieContainer container) override;

    // The file-type choices of the save dialog.
    static QStringList MovieNameFilters(bool lowColor);

private:
    QPointer<QWidget> m_parent;
};
