#include "DesktopProgram.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLockFile>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "ProgramIcon.h"
#include "TFormMain.h"
#include "TSplashScreen.h"

int RunDesktopProgram(int argc, char** argv, const std::string& startupFolder) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zelmo Marlix");
    QApplication::setWindowIcon(QIcon(ProgramIcon(64)));

    // One desktop program per user at a time; a second start leaves the first alone.
    QLockFile instance(QDir::temp().filePath(QString("marlix-desktop-%1.lock").arg(getuid())));
    instance.setStaleLockTime(0);
    if (!instance.tryLock()) {
        std::fprintf(stderr, "marlix: the desktop program is already running\n");
        return 1;
    }

    (new TSplashScreen)->show();
    std::unique_ptr<TFormMain> window;
    // The main window follows the splash screen after a moment, without holding up its painting.
    QTimer::singleShot(1500, [&] {
        window = std::make_unique<TFormMain>(MainWindowOptions{startupFolder});
        window->show();
    });
    return app.exec();
}
