#include "core/print/CPrintSizeModel.h"
#include "core/print/PageSize.h"
#include "core/print/PrintLayout.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shapes/CShapeTable.h"
#include "tests/core/support/FakeHost.h"
#include <gtest/gtest.h>

namespace {
CPrintSettings Printer(int w, int h, int dpi = 600, PrintUnit unit = PrintUnit::Inch, bool center = true)
{
    CPrintSettings s;
    s.m_printer = {w, h, dpi, dpi};
    s.m_printUnits = static_cast<int>(unit);
    s.m_printCenter = center ? 1 : 0;
    return s;
}
} // namespace

TEST(PrintLayout, PlacesTheDrawingOnThePage)
{
    struct Case {
        const char* what;
        CPrinterMetrics printer;
        int w, h, dots;
        PrintUnit unit;
        bool center;
        CRect expected;
    } cases[] = {
        {"corner, inches", {5100, 6600, 600, 600}, 640, 480, 100, PrintUnit::Inch, false, {0, 0, 3840, 2880}},
        {"centred on letter", {5100, 6600, 600, 600}, 640, 480, 100, PrintUnit::Inch, true, {630, 1860, 4470, 4740}},
        {"39 per cm", {5100, 6600, 600, 600}, 640, 480, 39, PrintUnit::Cm, false, {0, 0, 3876, 2907}},
        {"4 per mm", {5100, 6600, 600, 600}, 640, 480, 4, PrintUnit::Mm, false, {0, 0, 3779, 2834}},
        {"own x and y resolution", {2400, 3300, 300, 150}, 300, 300, 100, PrintUnit::Inch, false, {0, 0, 900, 450}},
        {"larger than the page", {1000, 1000, 100, 100}, 500, 500, 10, PrintUnit::Inch, true, {-2000, -2000, 3000, 3000}},
        {"resolution 0 read from a file", {5100, 6600, 600, 600}, 4, 2, 0, PrintUnit::Inch, false, {0, 0, 2400, 1200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintedPageRect(c.printer, c.w, c.h, c.dots, c.unit, c.center), c.expected) << c.what;
}

TEST(PrintLayout, MinimumFitsThePageAndNeverReachesZero)
{
    EXPECT_EQ(MinimumDotsPerUnit({4800, 6600, 600, 600}, 640, 480, PrintUnit::Inch), 79);
    EXPECT_EQ(MinimumDotsPerUnit({4800, 6600, 600, 600}, 480, 640, PrintUnit::Inch), 59);
    // A small drawing counted in mm fits at well under one dot per mm.
    EXPECT_EQ(MinimumDotsPerUnit({4800, 6600, 600, 600}, 100, 100, PrintUnit::Mm), 1);
    // No printer measured: nothing to divide by.
    EXPECT_EQ(MinimumDotsPerUnit({}, 640, 480, PrintUnit::Inch), 1);
    EXPECT_EQ(MinimumDotsPerUnit({0, 0, 0, 0}, 640, 480, PrintUnit::Cm), 1);
    EXPECT_EQ(MinimumDotsPerUnit({10, 10, 9600, 9600}, 30000, 30000, PrintUnit::Inch), kMaxDotsPerUnit);

    CPrinterMetrics m{1, 2, 3, 4};
    EXPECT_FALSE(MeasurePrinter(m, 0, 0, 600, 600));
    EXPECT_FALSE(MeasurePrinter(m, 4800, 6600, 0, 600));
    EXPECT_EQ(m.m_width, 1) << "a printer that reports nothing leaves the last measure";
    EXPECT_TRUE(MeasurePrinter(m, 4800, 6600, 600, 300));
    EXPECT_EQ(m.m_height, 6600);
    EXPECT_EQ(m.m_dpiY, 300);
}

TEST(PrintUnits, ConversionsRoundWithTheirFactors)
{
    EXPECT_EQ(ConvertDotsPerUnit(100, PrintUnit::Inch, PrintUnit::Cm), 39);
    EXPECT_EQ(ConvertDotsPerUnit(39, PrintUnit::Cm, PrintUnit::Inch), 99);
    EXPECT_EQ(ConvertDotsPerUnit(100, PrintUnit::Inch, PrintUnit::Mm), 4);
    EXPECT_EQ(ConvertDotsPerUnit(4, PrintUnit::Mm, PrintUnit::Inch), 102);
    EXPECT_EQ(ConvertDotsPerUnit(39, PrintUnit::Cm, PrintUnit::Mm), 4);
    EXPECT_EQ(ConvertDotsPerUnit(4, PrintUnit::Mm, PrintUnit::Cm), 40);
    EXPECT_EQ(ConvertDotsPerUnit(77, PrintUnit::Cm, PrintUnit::Cm), 77);
    EXPECT_STREQ(UnitLabel(PrintUnit::Inch), "inches");
    EXPECT_STREQ(UnitLabel(PrintUnit::Mm), "mm");
    EXPECT_STREQ(UnitEntry(PrintUnit::Inch), "inch");
    EXPECT_EQ(UnitFromIndex(7), PrintUnit::Inch);
    EXPECT_EQ(FormatSize(6.4f), "6.40");
    EXPECT_EQ(FormatSize(640.0f / 79.0f), "8.10");
}

TEST(PageSize, NamesAndMillimetres)
{
    EXPECT_EQ(ParsePageSize("letter")->AtResolution(600).m_width, 5100);
    EXPECT_EQ(ParsePageSize("LETTER")->AtResolution(600).m_height, 6600);
    const CPrinterMetrics a4 = ParsePageSize("a4")->AtResolution(600);
    EXPECT_EQ(a4.m_width, 4961);
    EXPECT_EQ(a4.m_height, 7016);
    EXPECT_EQ(a4.m_dpiX, 600);
    const auto custom = ParsePageSize("100x150mm");
    ASSERT_TRUE(custom);
    EXPECT_NEAR(custom->WidthPoints(), 283.4646, 1e-3);
    EXPECT_EQ(custom->AtResolution(254).m_height, 1500);
    for (const char* bad : {"", "a5", "100x150", "x150mm", "100x0mm", "-5x10mm", "100x150cm", "1e9x5mm", "10x5x3mm"})
        EXPECT_FALSE(ParsePageSize(bad)) << bad;
}

struct PrintSizeModelTest : ::testing::Test {
    FakeHost host;
    CShapeTable shapes;
    CDaubrixDoc doc{shapes, &host};
};

TEST_F(PrintSizeModelTest, OpeningShowsThePrintedSize)
{
    CPrintSizeModel m(Printer(5100, 6600), 640, 480, 100);
    EXPECT_EQ(m.Dots(), 100);
    EXPECT_EQ(m.WidthText(), "6.40");
    EXPECT_EQ(m.HeightText(), "4.80");
    EXPECT_STREQ(m.UnitText(), "inches");
    EXPECT_EQ(m.Minimum(), 74);
    EXPECT_EQ(m.Maximum(), 2048);

    // Opening raises a resolution that would not fit.
    CPrintSizeModel raised(Printer(4800, 6600), 640, 480, 20);
    EXPECT_EQ(raised.Dots(), 79);
}

TEST_F(PrintSizeModelTest, HandlersKeepTheRangeAndConvert)
{
    CPrintSizeModel m(Printer(4800, 6600), 640, 480, 100);
    m.MaxSize();
    EXPECT_EQ(m.Dots(), 79);
    EXPECT_EQ(m.WidthText(), "8.10");
    m.SetDots(0);
    EXPECT_EQ(m.Dots(), 79);
    m.SetDots(-5);
    EXPECT_EQ(m.Dots(), 79);
    m.SetDots(5000);
    EXPECT_EQ(m.Dots(), 2048);

    m.SetDots(100);
    m.SetUnit(PrintUnit::Cm);
    EXPECT_EQ(m.Dots(), 39);
    EXPECT_STREQ(m.UnitText(), "cm");
    EXPECT_EQ(m.WidthText(), "16.41");
    EXPECT_EQ(m.Minimum(), 30);
    m.SetUnit(PrintUnit::Inch);
    EXPECT_EQ(m.Dots(), 99);
    // mm: 4 per mm, above its minimum.
    m.SetUnit(PrintUnit::Mm);
    EXPECT_EQ(m.Dots(), 4);
    EXPECT_EQ(m.Minimum(), 2);
}

TEST_F(PrintSizeModelTest, PreviewFramesFollowThePage)
{
    CPrintSizeModel m(Printer(5100, 6600), 640, 480, 100);
    const CRect page = m.PageFrame({10, 10, 130, 130});
    EXPECT_EQ(page, (CRect{24, 10, 116, 130}));
    EXPECT_EQ(m.DrawingFrame(page), (CRect{35, 44, 104, 96}));
    m.SetCenter(false);
    EXPECT_EQ(m.DrawingFrame(page), (CRect{25, 11, 93, 62})) << "the border stays visible at the corner";
    // A drawing far larger than the page stops one pixel inside the border.
    m.SetCenter(true);
    CPrintSizeModel huge(Printer(5100, 6600), 30000, 30000, 100);
    huge.SetDots(huge.Minimum());
    const CRect hugePage = huge.PageFrame({10, 10, 130, 130});
    EXPECT_EQ(huge.DrawingFrame(hugePage), (CRect{25, 11, 115, 129}));
    // Landscape: the width is the longest side.
    CPrintSizeModel wide(Printer(6600, 5100), 640, 480, 100);
    EXPECT_EQ(wide.PageFrame({0, 0, 100, 100}), (CRect{0, 11, 100, 88}));
    // Never measured: the frame stays and the drawing shows as nothing.
    CPrintSizeModel none(CPrintSettings{}, 640, 480, 100);
    EXPECT_EQ(none.PageFrame({0, 0, 100, 100}), (CRect{0, 0, 100, 100}));
    EXPECT_TRUE(none.DrawingFrame({0, 0, 100, 100}).IsEmpty());
}

TEST_F(PrintSizeModelTest, StoreKeepsTheChoicesAndMarksAChangedResolution)
{
    CPrintSettings s = Printer(5100, 6600);
    doc.SetPrintResolution(100);
    CPrintSizeModel same(s, 640, 480, doc.PrintResolution());
    same.SetCenter(false);
    EXPECT_FALSE(same.Store(s, doc));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(s.m_printCenter, 0);

    CPrintSizeModel other(s, 640, 480, doc.PrintResolution());
    other.SetUnit(PrintUnit::Cm);
    EXPECT_TRUE(other.Store(s, doc));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.PrintResolution(), 39);
    EXPECT_EQ(s.m_printUnits, 1);
    EXPECT_EQ(s.m_printer.m_width, 5100) << "the measured page is not the dialog's to change";
}
