#pragma once

#include <array>
#include <string_view>

class NumberField;
class PictureLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The controls above the notebook: the state preview panel, the "Bildname" field,
// the four size and position fields, and the hidden text of the opened skin.
struct EditingPanel {
    std::array<PictureLabel *, 4> statePreviews{}; // Image01up, do, mo, da
    QLineEdit *edit1 = nullptr;
    NumberField *grossX = nullptr;
    NumberField *grossY = nullptr;
    NumberField *PositionX = nullptr;
    NumberField *PositionY = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    static EditingPanel create(QWidget &client);

    void enableEditing(bool enabled) const;
    // The skin file's bytes in Memo1, read in the skin's code page.
    void showSkinText(std::string_view bytes) const;
};
