#include "shell/CDaubrixApp.h"
#include "shell/CQtHost.h"
#include "view/CDaubrixView.h"
#include "view/CDrawingWidget.h"
#include <QApplication>
#include <QMainWindow>
#include <QScrollArea>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    CQtHost host;
    CDaubrixApp app(host);
    app.m_random.SeedFromClock();
    app.m_programDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    app.ShapeTable().LoadShapes(app.m_programDir, &host);
    if (app.ShapeTable().Count() == 0) {
        static_cast<IHost&>(host).Message("Shapes not found!", MsgIcon::Stop);
        return 1;
    }
    app.ShapeTable().PrepareAll();

    CDaubrixDoc doc(app.ShapeTable(), &host);
    doc.m_width = 640;
    doc.m_height = 480;
    CDaubrixView view(app, doc);
    QMainWindow win;
    win.setWindowTitle("Daubrix");
    auto* widget = new CDrawingWidget(view);
    widget->setFixedSize(doc.m_width, doc.m_height);
    win.setCentralWidget(widget);
    host.SetParentWidget(&win);
    view.OnInitialUpdate();
    win.show();
    return qapp.exec();
}
