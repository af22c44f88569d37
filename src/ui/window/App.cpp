#include "ui/window/App.h"

#include "process/QuitSignals.h"
#include "process/SingleInstance.h"
#include "settings/SettingsFile.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/OndulixStyle.h"
#include "ui/window/frmOndulix.h"
#include "util/PrivateFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace ondulix {

int RunOndulix(int argc, char** argv, const std::function<void(frmOndulix&)>& started) {
    const QString settingsPath = settings::DefaultIniPath();
    UsePrivateRuntimeFolder(settings::PrivateFolderBeside(settingsPath));
    // Qt's file dialogs keep their state in the configuration folder; when
    // that is another user's (root run with a user's environment), in the
    // home of the user we are instead.
    if (const QFileInfo config(QFileInfo(settingsPath).absolutePath());
        config.exists() && config.ownerId() != ::geteuid())
        if (const passwd* pw = ::getpwuid(::geteuid()); pw)
            for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
                QSettings::setPath(format, QSettings::UserScope,
                                   QFile::decodeName(pw->pw_dir) + QStringLiteral("/.config"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QStringLiteral(ONDULIX_VERSION));
    // The desktop entry's name: docks group the window under its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondulix.Ondulix"));
    // One look on every desktop, so the designed layout holds everywhere.
    QApplication::setStyle(new OndulixStyle);

    // Until the window runs, a signal ends the program at once; then it closes
    // the window as Tutup does.
    frmOndulix* running = nullptr;
    QuitSignals quitSignals([&running](int) {
        if (running) running->CloseForSessionEnd();
    });

    // A contacts file to bring friends in from (`ondulix FILE.vcf`, or opened
    // with the program): absolute, since a running copy may be asked to open it.
    QString contacts;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        if (!argument.startsWith(u'-')) contacts = QFileInfo(argument).absoluteFilePath();

    QtMessageBoxes messages;
    SingleInstance instance(settingsPath);
    QString readOnly; // why this copy must not write the settings file
    switch (instance.Start(contacts)) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::Unguarded: // runs, and the window says why it does not save
        readOnly = instance.Problem();
        std::fprintf(stderr, "ondulix: the settings file is not written: %s.\n",
                     qPrintable(readOnly));
        break;
    case SingleInstance::Claim::Forwarded: // the running copy has come to the front
        return 0;
    case SingleInstance::Claim::Running: // it cannot be asked to; say where it is
        std::fprintf(stderr, "ondulix: %s\n", qPrintable(instance.Problem()));
        messages.MsgBox(nullptr, instance.Problem(), MessageBoxes::OkOnly, AppTitle);
        return 0;
    case SingleInstance::Claim::Unreachable: // leave the settings file alone
        std::fprintf(stderr, "ondulix: %s\n", qPrintable(instance.Problem()));
        messages.MsgBox(nullptr, instance.Problem(),
                        MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
        return 1;
    }

    frmOndulix window(frmOndulix::Environment{.messages = &messages,
                                              .today = {},
                                              .iniPath = settingsPath,
                                              .dialogs = nullptr,
                                              .readOnly = readOnly});
    // A logout, a kill or Ctrl+C closes as the Close button does, without
    // asking; so does any other way out of the event loop.
    running = &window;
    quitSignals.DeliverToEventLoop();
    instance.Listen([&window](const QString& file) {
        file.isEmpty() ? window.BringToFront() : window.ImportContacts(file);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.SaveForSessionEnd(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] {
        if (!window.IsUnloaded()) window.CloseForSessionEnd();
    });
    window.show();
    if (!contacts.isEmpty())
        QTimer::singleShot(0, &window, [&window, contacts] { window.ImportContacts(contacts); });
    if (started) started(window);
    return QApplication::exec();
}

} // namespace ondulix
