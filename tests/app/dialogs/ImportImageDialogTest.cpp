#include "app/dialogs/CImportImageDialog.h"
#include "core/imaging/JpegFile.h"
#include "core/model/CDocumentFile.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/ImageImport.h"
#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "tests/core/support/PhotoPicture.h"
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <gtest/gtest.h>

TEST(ImportImageDialog, ShowsTheKeptChoicesAndReadsThemBack)
{
    CImportSettings s;
    s.m_importColorCount = 3;
    s.m_importGlobCount = 8;
    s.m_importSquash = 1;
    s.m_importRemoveBackground = 0;
    CImportImageDialog d(s);
    EXPECT_EQ(d.windowTitle(), "Import Image");
    QStringList groups;
    for (const QGroupBox* g : d.findChildren<QGroupBox*>())
        groups << g->title();
    for (const char* g : {"Colors", "Glob order", "Background", "Number of globs", "Size"})
        EXPECT_TRUE(groups.contains(g)) << g;
    EXPECT_EQ(d.findChildren<QLabel*>().size(), 4);   // "fewer" and "more" twice
    EXPECT_TRUE(d.PreserveColors()->isChecked());
    EXPECT_TRUE(d.FromImage()->isChecked());
    EXPECT_TRUE(d.Keep()->isChecked());
    EXPECT_TRUE(d.Squash()->isChecked());
    EXPECT_EQ(d.ColorSlider()->value(), 3);
    EXPECT_EQ(d.GlobSlider()->value(), 8);
    EXPECT_EQ(d.GlobSlider()->minimum(), 1);
    EXPECT_EQ(d.GlobSlider()->maximum(), 10);

    // The colour slider and its labels serve the picture's colours only.
    d.show();
    d.NewColors()->click();
    EXPECT_FALSE(d.PreserveColors()->isChecked());
    EXPECT_FALSE(d.ColorSlider()->isEnabled());
    EXPECT_FALSE(d.FewerColorsLabel()->isEnabled());
    EXPECT_FALSE(d.MoreColorsLabel()->isEnabled());
    MaybeShoot(d, "import_image_new_colours");
    d.PreserveColors()->click();
    EXPECT_TRUE(d.ColorSlider()->isEnabled());
    EXPECT_TRUE(d.MoreColorsLabel()->isEnabled());

    d.Ordered()->click();
    d.Remove()->click();
    d.Fit()->click();
    EXPECT_FALSE(d.Squash()->isChecked());
    d.GlobSlider()->setValue(2);
    d.ColorSlider()->setValue(10);
    const CImportSettings back = d.Settings();
    EXPECT_EQ(back.m_importOrderFromImage, 0);
    EXPECT_EQ(back.m_importRemoveBackground, 1);
    EXPECT_EQ(back.m_importPreserveColors, 1);
    EXPECT_EQ(back.m_importFit, 1);
    EXPECT_EQ(back.m_importSquash, 0);
    EXPECT_EQ(back.m_importGlobCount, 2);
    EXPECT_EQ(back.m_importColorCount, 10);

    // Without either size flag it opens on "Normal"; "Use new colors" opens with the slider off.
    s = CImportSettings{};
    s.m_importPreserveColors = 0;
    CImportImageDialog plain(s);
    EXPECT_TRUE(plain.Normal()->isChecked());
    EXPECT_FALSE(plain.ColorSlider()->isEnabled());
}

TEST(ImportImage, ThroughTheImageMenuAPhotographBecomesGlobsAndIsSaved)
{
    ProgramRig f;
    const std::string photo = f.File("photo.jpg");
    ASSERT_TRUE(WriteJpegFile(photo, 90, MakePhotoPicture(400, 300)));
    CChildFrame* c = f.NewDrawing(320, 240);
    ASSERT_TRUE(f.Act(CommandId::ImportImage)->isEnabled());
    // Jitter off, so the picture's grid is kept as it is.
    f.app.Drawing().m_jitter = 0;

    // Cancelling the settings changes nothing.
    f.dialogs.Then(DialogAnswerer::ChooseFile(photo));
    f.dialogs.Then(DialogAnswerer::Cancel());
    f.Run(CommandId::ImportImage);
    EXPECT_EQ(c->Doc().GetGlobCount(), 0);

    QStringList types;
    f.dialogs.Then(DialogAnswerer::ChooseFile(photo, &types));
    f.dialogs.Then([](QDialog& w) {
        auto* d = qobject_cast<CImportImageDialog*>(&w);
        ASSERT_NE(d, nullptr);
        MaybeShoot(*d, "import_image");
        d->Fit()->click();
        d->FromImage()->click();
        d->accept();
    });
    f.Run(CommandId::ImportImage);
    EXPECT_EQ(types.value(3), "PNG files (*.PNG)");
    EXPECT_TRUE(f.dialogs.titles.contains("Import Image"));
    EXPECT_EQ(f.app.Import().m_importFit, 1);
    const int count = c->Doc().GetGlobCount();
    ASSERT_GT(count, 500);
    EXPECT_EQ(c->View().ShownCount(), count);
    // It was drawn by the import's own paint, which can be interrupted.
    const auto& said = f.host.statusHistory;
    EXPECT_NE(std::find(said.begin(), said.end(), "Drawing after importing image,   Press ESC to cancel..."), said.end());
    EXPECT_EQ(f.host.status, "");
    const QImage shown = GrabFor(c->DrawingWidget(), "import_photo");
    EXPECT_NE(shown.pixel(160, 120), shown.pixel(10, 10));

    // Undo takes it back whole; the menu says what.
    EXPECT_EQ(f.Act(CommandId::EditUndo)->text(), "&Undo Drawing");
    f.Run(CommandId::EditUndo);
    EXPECT_EQ(c->View().ShownCount(), 0);
    f.Run(CommandId::EditUndo);
    EXPECT_EQ(c->View().ShownCount(), count);

    const std::string path = f.File("photo.dbx");
    f.dialogs.Then(DialogAnswerer::ChooseFile(path));
    f.Run(CommandId::FileSaveAs);
    ASSERT_TRUE(std::filesystem::exists(path));

    // What was saved is what the engine's import gives for the same picture and choices, which
    // is also what the command line writes.
    FakeHost host;
    CDaubrixApp app(host);
    LoadTestShapes(app.ShapeTable());
    app.Drawing().m_jitter = 0;
    app.Import().m_importFit = 1;
    CDaubrixDoc doc(app.ShapeTable(), &host);
    doc.SetWidth(320);
    doc.SetHeight(240);
    CDaubrixView view(app, doc);
    view.OnInitialUpdate();
    view.Paint();
    ImportImageFile(view, photo);
    CDaubrixDoc saved(app.ShapeTable(), &host);
    ASSERT_TRUE(ReadDocument(path, saved, nullptr, false));
    EXPECT_EQ(saved.Globs(), doc.Globs());
    EXPECT_EQ(saved.ColorChanges(), doc.ColorChanges());
}
