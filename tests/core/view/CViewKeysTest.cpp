#include "core/view/CBasicColorsLink.h"
#include "core/shapes/CPaletteCommands.h"
#include "core/shapes/CShapePalette.h"
#include "core/view/CViewKeys.h"
#include "tests/core/support/DrawingFixture.h"
#include <string>

class ViewKeys : public DrawingFixture {
protected:
    CBasicColorsLink link{app.ShapeTable()};
    CShapePalette palette{app.ShapeTable(), link};
    CPaletteCommands commands{palette, app.Random()};
    CShapeTable& shapes() { return app.ShapeTable(); }
    std::string CurrentName() { return shapes().m_shapeNames[shapes().m_currentShape]; }
    KeyEffect Type(const std::string& text)
    {
        KeyEffect last = KeyEffect::None;
        CViewKeys keys(*view, &commands);
        for (char c : text)
            last = keys.Type(c);
        return last;
    }
};

TEST_F(ViewKeys, AmountsStopAtTheirLimits)
{
    struct Case {
        char up, down;
        int32_t* amount;
        int low, high;
    };
    const Case cases[] = {
        {'4', 'r', &app.Drawing().m_polarCount, 2, 50},
        {'6', 'Y', &app.Drawing().m_skippingAmount, 1, 10},
    };
    for (const Case& c : cases) {
        *c.amount = 5;
        for (int i = 0; i < 60; ++i)
            Type(std::string(1, c.up));
        EXPECT_EQ(*c.amount, c.high) << c.up;
        EXPECT_EQ(Type(std::string(1, c.up)), KeyEffect::None);
        for (int i = 0; i < 60; ++i)
            Type(std::string(1, c.down));
        EXPECT_EQ(*c.amount, c.low) << c.down;
    }
    app.Drawing().m_jitterAmount = 3;
    EXPECT_EQ(Type("55555555"), KeyEffect::None);
    EXPECT_EQ(app.Drawing().m_jitterAmount, 8);
    EXPECT_EQ(Type("tttttttttt"), KeyEffect::None);
    EXPECT_EQ(app.Drawing().m_jitterAmount, 1);
    EXPECT_EQ(Type("5"), KeyEffect::SettingChanged);
    // A skipping amount the dialog set beyond the key's range only comes down.
    app.Drawing().m_skippingAmount = 40;
    EXPECT_EQ(Type("6"), KeyEffect::None);
    EXPECT_EQ(Type("y"), KeyEffect::SettingChanged);
    EXPECT_EQ(app.Drawing().m_skippingAmount, 39);
}

TEST_F(ViewKeys, ColourNudgesWrapOrClampAndAreRecorded)
{
    Drag({{10, 10}});
    view->RecordCurrentColor({355, 250, 5});
    EXPECT_EQ(Type("1"), KeyEffect::ColorChanged);
    EXPECT_EQ(app.CurrentShape().m_hue, 360);
    Type("1");
    EXPECT_EQ(app.CurrentShape().m_hue, 0) << "above 360 wraps to 0";
    Type("q");
    EXPECT_EQ(app.CurrentShape().m_hue, 360) << "below 0 wraps to 360";
    Type("2E");
    EXPECT_EQ(app.CurrentShape().m_saturation, 255);
    EXPECT_EQ(app.CurrentShape().m_value, 0);
    Type("w3");
    EXPECT_EQ(app.CurrentShape().m_saturation, 245);
    EXPECT_EQ(app.CurrentShape().m_value, 10);
    // Recorded at the end, so the next stroke draws in it.
    EXPECT_EQ(doc.GetColorChangeHue(1), 360);
    EXPECT_EQ(doc.GetColorChangeSaturation(1), 245);
    EXPECT_EQ(doc.GetColorChangeValue(1), 10);
}

TEST_F(ViewKeys, SizeAndFamilyKeysFollowThePalette)
{
    Drag({{10, 10}});
    shapes().m_currentShape = static_cast<uint8_t>(shapes().FindShape('A', 1));
    view->RecordCurrentColor({90, 200, 200});
    EXPECT_EQ(Type("+"), KeyEffect::ShapeChanged);
    EXPECT_EQ(CurrentName(), "A_2_a.bmp");
    EXPECT_EQ(app.CurrentShape().m_hue, 90) << "the new size keeps the colour";
    EXPECT_EQ(Type("="), KeyEffect::None) << "nothing beyond Large";
    Type("--");
    EXPECT_EQ(CurrentName(), "A_0_a.bmp");
    EXPECT_EQ(Type("-"), KeyEffect::None);
    EXPECT_TRUE(shapes().Shape(shapes().FindShape('A', 0)).m_shown);

    EXPECT_EQ(Type("["), KeyEffect::None) << "A is the first family";
    EXPECT_EQ(Type("]"), KeyEffect::ShapeChanged);
    EXPECT_EQ(CurrentName(), "B_1_b.bmp") << "the next family in its chosen size";
    Type("]");
    EXPECT_EQ(CurrentName(), "C_0_c.bmp") << "C has no medium; it shows its small one";
    EXPECT_EQ(Type("+"), KeyEffect::ShapeChanged);
    EXPECT_EQ(CurrentName(), "C_2_c.bmp") << "from small straight to large";
    EXPECT_EQ(Type("]"), KeyEffect::None);
    Type("[");
    EXPECT_EQ(CurrentName(), "B_1_b.bmp");
    // The stroke after the key draws with the new shape and its colour.
    const CShape& b = app.CurrentShape();
    EXPECT_EQ(doc.GetColorChangeHue(1), b.m_hue);
    Drag({{50, 50}});
    EXPECT_EQ(doc.GetGlob(1).m_shape, shapes().FindShape('B', 1));
}

TEST_F(ViewKeys, EscapeLeavesOnlyAModeThatIsOn)
{
    app.Drawing().m_lineMode = 1;
    EXPECT_EQ(Type("\x1b"), KeyEffect::None);
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
    stroke().ToggleMoveCenter();
    EXPECT_EQ(Type("\x1b"), KeyEffect::ModeLeft);
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
    EXPECT_EQ(Type("\t"), KeyEffect::CycleFullScreen);
}
