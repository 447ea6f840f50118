#pragma once

#include <array>

class NumberField;
class PictureLabel;
class QLineEdit;
class SkinTextView;
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
    SkinTextView *Memo1 = nullptr;

    static EditingPanel create(QWidget &client);

    void enableEditing(bool enabled) const;
};
