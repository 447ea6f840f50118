#pragma once

#include "app/AppSettings.h"
#include "platform/Platform.h"

#include <QByteArray>

#include <memory>

class MainWindow;
class AboutDialog;
class ActivationWatch;
class RecentSkinsWriter;
class SkinNameDialog;
class VersionChecker;

// Start-up: the four windows of the program, made in this order and kept until it
// ends, and the version checker's settings, read whenever the main window becomes
// active and written when it closes.
class Shell {
public:
    explicit Shell(Platform platform);
    ~Shell();
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    MainWindow &mainWindow() { return *mainWindow_; }
    AboutDialog &aboutDialog() { return *aboutDialog_; }
    SkinNameDialog &skinNameDialog() { return *skinNameDialog_; }
    VersionChecker &versionChecker() { return *versionChecker_; }

private:
    void keepViewSettings();
    void connectCommands();
    void readSettings();
    void writeSettings();
    void editName();
    void rememberSkin(const QString &path);
    void forgetSkin(const QString &path);
    static void chooseLanguage(Language language);

    Platform platform_;
    // The main window goes last: the others are its children.
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutDialog> aboutDialog_;
    std::unique_ptr<SkinNameDialog> skinNameDialog_;
    std::unique_ptr<VersionChecker> versionChecker_;
    // Waits for the main window's paints, so it is made after the window and goes first.
    std::unique_ptr<RecentSkinsWriter> recentWriter_;
    bool updateSettingsRead_ = false;
    ActivationWatch *activation_ = nullptr;
    QByteArray laidOut_; // the window's docks as first shown
    QByteArray placed_;  // and its place and size
};
