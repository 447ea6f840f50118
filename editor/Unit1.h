#pragma once

#include "skin/SkinDocument.h"

#include <QMainWindow>

// The editor's main window: the mock-up of the player's pages and the commands.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    const SkinDocument &document() const { return document_; }

private:
    SkinDocument document_;
};
