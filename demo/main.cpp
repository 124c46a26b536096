#include "DemoWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace
{
// A workspace folder holds at least the sample workspace.
bool PrepareWorkspace(const QString& p_qstrFolder)
{
    const QString qstrFile = QDir(p_qstrFolder).filePath("icons");
    if (QFile::exists(qstrFile))
        return true;
    return QDir().mkpath(p_qstrFolder) && QFile::copy(":/sample/icons", qstrFile)
        && QFile::setPermissions(qstrFile, QFile::ReadOwner | QFile::WriteOwner);
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("torvasdemo");
    QApplication::setOrganizationName("TORVASyslib");

    QCommandLineParser parser;
    parser.setApplicationDescription("Demo host application of TORVASyslib.");
    parser.addHelpOption();
    const QCommandLineOption workspace("workspace", "Keep the workspace in <folder>.", "folder",
                                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                           + "/workspace");
    const QCommandLineOption screenshots(
        "screenshots", "Save screenshots of the demo into <folder>, then quit (on a copy of the sample workspace).",
        "folder");
    parser.addOption(workspace);
    parser.addOption(screenshots);
    parser.process(app);

    QTemporaryDir qtdScratch;
    const QString qstrWorkspace = parser.isSet(screenshots) ? qtdScratch.path() : parser.value(workspace);
    if (!PrepareWorkspace(qstrWorkspace)) {
        std::fprintf(stderr, "Cannot set up the workspace folder %s\n", qPrintable(qstrWorkspace));
        return 1;
    }

    DemoWindow window(qstrWorkspace);
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
