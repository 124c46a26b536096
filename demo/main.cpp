#include "DemoWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("torvasdemo");

    QCommandLineParser parser;
    parser.setApplicationDescription("Demo host application of TORVASyslib.");
    parser.addHelpOption();
    const QCommandLineOption screenshots("screenshots", "Save screenshots of the demo into <folder>, then quit.",
                                         "folder");
    parser.addOption(screenshots);
    parser.process(app);

    DemoWindow window;
    window.show();

    if (parser.isSet(screenshots)) {
        const QString qstrFolder = parser.value(screenshots);
        QTimer::singleShot(500, &window, [&]() {
            const QStringList qslSaved = window.SaveScreenshots(qstrFolder);
            std::printf("%s\n",
                        qslSaved.isEmpty() ? "Could not save the screenshots" : qPrintable(qslSaved.join('\n')));
            QApplication::exit(qslSaved.isEmpty() ? 1 : 0);
        });
    }
    return app.exec();
}
