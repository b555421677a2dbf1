#pragma once
#include "tests/core/support/TempDir.h"
#include <QByteArray>
#include <QSettings>
#include <QString>

// A run of the real program with folders of its own: the automatic files in `data`, the
// settings file `ini` in `config`. The tip of the day stays away unless a test wants it.
struct RunFolders {
    TempDir data, config;
    QString ini;

    explicit RunFolders(bool tipAtStart = false)
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.Path()));
        ini = QString::fromStdString(config.File("Daubrix.ini"));
        if (!tipAtStart)
            QSettings(ini, QSettings::IniFormat).setValue("Tip/StartUp", 1);
    }
};
