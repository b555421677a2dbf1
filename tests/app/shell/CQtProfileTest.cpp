#include "core/shell/CDaubrixApp.h"
#include "app/shell/CQtProfile.h"
#include "core/shell/CSettingsTable.h"
#include "tests/core/support/FakeHost.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(QtProfile, SettingsSurviveTheIniFile)
{
    QTemporaryDir dir;
    QString path = dir.filePath("Daubrix.ini");
    {
        CQtProfile p(path);
        EXPECT_EQ(p.GetInt("Settings", "PolarCount", 5), 5);   // missing: default
        p.SetInt("Settings", "LineDensity", 260);
        p.SetInt("Settings", "appWindowX1", -8);
        p.SetString("Tip", "TimeStamp", "Tue Dec  8 10:00:00 2026");
        p.Settings().setValue("Settings/Huge", "4294967295");
        p.Settings().setValue("Settings/Word", "abc");
        p.Sync();
    }
    ASSERT_TRUE(QFile::exists(path));
    CQtProfile p(path);
    EXPECT_EQ(p.GetInt("Settings", "appWindowX1", 0), -8);
    EXPECT_EQ(p.GetInt("Settings", "Huge", 0), -1);    // a stored DWORD
    EXPECT_EQ(p.GetInt("Settings", "Word", 7), 7);      // not a number: default
    EXPECT_EQ(p.GetString("Tip", "TimeStamp", ""), "Tue Dec  8 10:00:00 2026");

    FakeHost host;
    CDaubrixApp app(host);
    CSettingsTable::Load(app, p, {1024, 768});
    EXPECT_EQ(app.Drawing().m_lineDensity, 4);
}
