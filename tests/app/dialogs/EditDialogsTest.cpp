// The dialogs of Simulate Depth, the glob clipboard and the pattern, on their own.
#include "app/dialogs/CDepthDialog.h"
#include "app/dialogs/CPatternDialog.h"
#include "app/dialogs/CTwoChoiceDialog.h"
#include "tests/app/support/Shots.h"
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

TEST(DepthDialog, TopStaysAboveBottomAndTheLabelsFollowTheMethod)
{
    CDepthDialog d({false, true, 3, 20});
    d.show();
    EXPECT_FALSE(d.EntireButton()->isChecked());
    EXPECT_TRUE(d.LightButton()->isChecked());
    EXPECT_EQ(d.EndLabels(), "Dark/Light");
    MaybeShoot(d, "simulate_depth_light");

    d.Bottom()->setValue(22);   // not below Top: one below it
    EXPECT_EQ(d.Bottom()->value(), 19);
    d.Top()->setValue(10);   // not above Bottom: one above it
    EXPECT_EQ(d.Top()->value(), 20);
    d.Top()->setValue(24);
    d.Bottom()->setValue(25);
    EXPECT_EQ(d.Bottom()->value(), 23);

    d.ChromaButton()->click();
    d.EntireButton()->click();
    EXPECT_EQ(d.EndLabels(), "Blue/Red");
    MaybeShoot(d, "simulate_depth_chroma");
    const DepthChoice c = d.Choice();
    EXPECT_TRUE(c.entire);
    EXPECT_FALSE(c.light);
    EXPECT_EQ(c.bottom, 23);
    EXPECT_EQ(c.top, 24);
    EXPECT_EQ(d.windowTitle(), "Simulate Depth");
    QStringList groups;
    for (QGroupBox* g : d.findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Apply Depth to", "Simulate Depth Using", "Depth Range"}));
}

TEST(TwoChoiceDialogs, EachShowsItsTextsAndItsLastChoice)
{
    struct Case {
        CTwoChoiceDialog::Texts texts;
        const char* shot;
    };
    const Case cases[] = {{CTwoChoiceDialog::CopyTexts(), "copy"},
                          {CTwoChoiceDialog::CutTexts(), "cut"},
                          {CTwoChoiceDialog::PasteTexts(), "paste"},
                          {CTwoChoiceDialog::DefinePatternTexts(), "define_pattern"}};
    for (const Case& k : cases) {
        for (bool first : {true, false}) {
            CTwoChoiceDialog d(k.texts, first);
            d.show();
            EXPECT_EQ(d.windowTitle(), k.texts.title);
            EXPECT_EQ(d.findChild<QGroupBox*>()->title(), k.texts.group);
            EXPECT_EQ(d.FirstButton()->text(), k.texts.first);
            EXPECT_EQ(d.SecondButton()->text(), k.texts.second);
            EXPECT_EQ(d.First(), first) << k.shot;
            (first ? d.SecondButton() : d.FirstButton())->click();
            EXPECT_EQ(d.First(), !first) << k.shot;
            if (first)
                MaybeShoot(d, k.shot);
        }
    }
    EXPECT_EQ(CTwoChoiceDialog::PasteTexts().first, "Preserve colors");
    EXPECT_EQ(CTwoChoiceDialog::DefinePatternTexts().group, "Make Pattern From");
}

TEST(PatternDialog, OnOffAndTheColourWay)
{
    CPatternDialog d(false, true);
    d.show();
    MaybeShoot(d, "pattern");
    EXPECT_EQ(d.windowTitle(), "Pattern");
    EXPECT_FALSE(d.IsOn());
    EXPECT_TRUE(d.PreserveColors());
    d.OnButton()->click();
    d.NewColorsButton()->click();
    EXPECT_TRUE(d.IsOn());
    EXPECT_FALSE(d.PreserveColors());
}
