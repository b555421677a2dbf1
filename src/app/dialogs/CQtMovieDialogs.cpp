#include "app/dialogs/CQtMovieDialogs.h"
#include "app/dialogs/CAviOptionsDialog.h"
#include "app/dialogs/CMovieDialog.h"
#include "app/dialogs/CQtImageDialogs.h"
#include "core/movie/VideoCompressors.h"

QStringList CQtMovieDialogs::MovieNameFilters(bool lowColor)
{
    const QString bmp = "BMP files (*.BMP) (*.bmp)";
    if (lowColor)
        return {bmp};
    return {"All Supported Formats (*.BMP,*.AVI,*.MP4,*.WEBM,*.GIF,*.WEBP) (*.bmp *.avi *.mp4 *.webm *.gif *.webp)",
            bmp,
            "AVI files (*.AVI) (*.avi)",
            "MP4 movies (*.MP4) (*.mp4)",
            "WebM movies (*.WEBM) (*.webm)",
            "GIF animations (*.GIF) (*.gif)",
            "WebP animations (*.WEBP) (*.webp)"};
}

std::string CQtMovieDialogs::AskMoviePath(bool lowColor)
{
    return RunFileDialog(m_parent, QFileDialog::AcceptSave, MovieNameFilters(lowColor), "bmp").toStdString();
}

bool CQtMovieDialogs::AskMovieOptions(MovieDialogValues& values)
{
    CMovieDialog dialog(values, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.Values();
    return true;
}

bool CQtMovieDialogs::AskAviOptions(AviOptions& options, const CMovieSettings& remembered, MovieContainer container)
{
    CAviOptionsModel model(ListCompressors(container), options);
    model.Open(remembered);
    CAviOptionsDialog dialog(model, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}
