#include "app/dialogs/CAboutDialog.h"
#include "app/dialogs/CAutoChangeDialog.h"
#include "app/dialogs/CJpegSettingsDialog.h"
#include "app/dialogs/CLoadBackgroundDialog.h"
#include "app/dialogs/CNewDrawingDialog.h"
#include "app/dialogs/COnOffAmountDialog.h"
#include "app/dialogs/CPolarMirrorDialog.h"
#include "app/dialogs/CSkippingDialog.h"
#include "app/windows/CColorValuesDialog.h"
#include "tests/core/support/FakeHost.h"
#include <QApplication>
#include <QFontMetrics>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Every modal dialog: a title bar with a close button only (the window manager is told so by
// the customised hints) and a size the user cannot change.
TEST(DialogFrames, CloseButtonOnlyAndAFixedSize)
{
    FakeHost host;
    const std::vector<std::function<std::unique_ptr<QDialog>()>> makers = {
        [] { return std::make_unique<CAboutDialog>(); },
        [] { return std::make_unique<CAutoChangeDialog>(ColorComponent::Hue, 0, 5); },
        [] { return std::make_unique<CJpegSettingsDialog>(16); },
        [] { return std::make_unique<CLoadBackgroundDialog>(BackgroundSizing::Fit); },
        [] { return std::make_unique<CNewDrawingDialog>(400, 400, false); },
        [] { return std::make_unique<COnOffAmountDialog>(COnOffAmountDialog::LinesTexts(), true, 3); },
        [] { return std::make_unique<CPolarMirrorDialog>(true, 5); },
        [] { return std::make_unique<CSkippingDialog>(true, 3, 2); },
        [&host] { return std::make_unique<CColorValuesDialog>(host, HsvColor{0, 255, 255}); },
    };
    for (const auto& make : makers) {
        std::unique_ptr<QDialog> d = make();
        // Shown without modality: the answerer guards against modal dialogs nobody scripted.
        d->setWindowModality(Qt::NonModal);
        d->show();
        QApplication::processEvents();
        const QString title = d->windowTitle();
        const Qt::WindowFlags f = d->windowFlags();
        EXPECT_TRUE(f.testFlag(Qt::CustomizeWindowHint)) << title.toStdString();
        EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint)) << title.toStdString();
        EXPECT_TRUE(f.testFlag(Qt::WindowTitleHint)) << title.toStdString();
        EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint)) << title.toStdString();
        EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint)) << title.toStdString();
        EXPECT_FALSE(f.testFlag(Qt::WindowContextHelpButtonHint)) << title.toStdString();
        EXPECT_EQ(d->minimumSize(), d->maximumSize()) << title.toStdString();
        EXPECT_EQ(d->size(), d->minimumSize()) << title.toStdString();
        // Room for the whole title beside a title bar's icon and three buttons.
        QFont bold = d->font();
        bold.setBold(true);
        EXPECT_GE(d->width(), QFontMetrics(bold).horizontalAdvance(title) + 4 * 18) << title.toStdString();
    }
}
