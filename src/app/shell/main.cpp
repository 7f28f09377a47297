// Spectavo: the workstation program of the Photrak spectrophotometers.

#include <QApplication>
#include <QTranslator>

#include "app/shell/logindialog.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtdesktopservices.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/singleinstance.h"
#include "core/config/profilefile.h"
#include "core/config/programdir.h"
#include "core/config/settingsfiles.h"
#include "core/shell/desktopservices.h"

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    using spectavo::ProfileFile;
    const ProfileFile analyst(spectavo::kAnalystSettingsFile, true);
    const int connected = analyst.GetInt("Spectavo", "Connected", 0);
    const int version = analyst.GetInt("Spectavo", "Version", 0);

    // The translation beside the program; without one the built-in English texts stay.
    QTranslator translator;
    const std::string language =
        ProfileFile("..\\config\\tarvesta.zav.localize.ini", true).GetString("localize", "resource", "eng");
    if (translator.load(QString::fromStdString("ZAV_Resource." + language),
                        QString::fromStdString(spectavo::programDataPath("translations"))) ||
        translator.load(QString::fromStdString("ZAV_Resource." + language),
                        QString::fromStdString(spectavo::programDirectory().value_or("."))))
        QApplication::installTranslator(&translator);

    // The command line carries only files given by the desktop; another running workstation takes them.
    QStringList files = QApplication::arguments();
    files.removeFirst();
    if (spectavo::app::SingleInstance::handOver(files))
        return 0;

    if (!spectavo::app::CLoginDialog::run())
        return 0;

    spectavo::link::StationLink &link = spectavo::link::StationLink::instance();
    spectavo::shell::MessageService &messages = spectavo::app::messages();
    spectavo::app::CMainFrame frame(link, &messages, connected);
    spectavo::app::SingleInstance instance;
    instance.listen([&frame](const QString &file) { frame.openDocumentFile(file); });
    for (const QString &file : files)
        frame.openDocumentFile(file);
    if (analyst.GetInt("Spectavo", "Maximized", 1) != 0)
        frame.showMaximized();
    else
        frame.show();
    const int result = QApplication::exec();
    // Ending the program may end the session too, when the settings ask for it (Shift keeps it on).
    spectavo::app::QtDesktopServices desktop;
    spectavo::shell::shutDownAtExit(desktop, version,
                                    QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier));
    return result;
}
