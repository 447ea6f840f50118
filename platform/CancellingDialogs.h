#pragma once

#include "platform/Platform.h"

#include <QStringList>

// The answers of a user who cancels every question, for work without anyone at the
// screen (the command line, benchmarks); every text a box would have shown is kept.
class CancellingDialogs : public Dialogs {
public:
    QString openSkin() override { return {}; }
    QString saveSkinAs(const QString &) override { return {}; }
    QString openPicture() override { return {}; }
    void error(const QString &text) override { shown << text; }
    void message(const QString &text) override { shown << text; }
    bool confirm(const QString &) override { return false; }
    bool yesNo(const QString &, const QString &) override { return false; }

    QStringList shown;
};
