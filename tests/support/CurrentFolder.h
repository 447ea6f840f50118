#pragma once

#include <QDir>
#include <QTemporaryDir>

// A fresh temporary folder that is the current folder while the object lives, so that
// the Velmor.ini the program keeps there belongs to one test alone.
class CurrentFolder {
public:
    CurrentFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;

    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QString previous_;
};
