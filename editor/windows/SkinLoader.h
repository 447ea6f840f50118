#pragma once

#include "editor/controls/Workspace.h"
#include "editor/files/PageLoad.h"

#include <QCoreApplication>
#include <QString>

#include <string>

class QMainWindow;

// Opens a skin into the window: the pages load it, and the window's controls follow,
// disabled while it loads, enabled as far as the load got.
class SkinLoader {
    Q_DECLARE_TR_FUNCTIONS(SkinLoader)

public:
    SkinLoader(QMainWindow &window, const Workspace &workspace);

    LoadOutcome load(const QString &path);
    // Names the window after the version of the last skin that opened whole; a load
    // that stopped on its way leaves the name as it was.
    void showTitle() const;

private:
    void hideAndDisable(PageLoad &load);
    void showPages() const;
    void finish();

    QMainWindow &window_;
    Workspace workspace_;
    std::string titleVersion_;
};
