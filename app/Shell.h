#pragma once

#include "app/AppSettings.h"
#include "platform/Platform.h"

#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// Start-up: the four windows of the program, made in this order and kept until it
// ends, and the version checker's settings, read whenever the main window becomes
// active and written when it closes.
class Shell {
public:
    explicit Shell(Platform platform);
    ~Shell();
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    TForm1 &form1() { return *form1_; }
    TForm2 &form2() { return *form2_; }
    TForm3 &form3() { return *form3_; }
    TForm4 &form4() { return *form4_; }

private:
    void connectCommands();
    void readSettings();
    void writeSettings();
    void editName();
    void rememberSkin(const QString &path);
    void forgetSkin(const QString &path);
    static void chooseLanguage(Language language);

    Platform platform_;
    // The main window goes last: the others are its children.
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    bool updateSettingsRead_ = false;
};
