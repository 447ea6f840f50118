#pragma once

#include <QCoreApplication>
#include <QRect>

#include <array>

class NumberField;
class PictureLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class SkinTextView;
class QWidget;

// The controls above the notebook: the state preview panel, the "Bildname" field,
// the four size and position fields, and the hidden text of the opened skin.
struct EditingPanel {
    Q_DECLARE_TR_FUNCTIONS(EditingPanel)

public:
    std::array<PictureLabel *, 4> statePreviews{}; // Image01up, do, mo, da
    QGroupBox *stateGroup = nullptr;               // around the state previews
    QGroupBox *nameGroup = nullptr;                // around pictureName
    std::array<QLabel *, 6> fieldCaptions{};       // Größe, Position and their X: and Y:
    QLineEdit *pictureName = nullptr;
    NumberField *widthField = nullptr;
    NumberField *heightField = nullptr;
    NumberField *leftField = nullptr;
    NumberField *topField = nullptr;
    SkinTextView *skinText = nullptr;

    // Where the layout was drawn; the rightmost of the panel's controls.
    static constexpr QRect nameGroupPlace{488, 64, 281, 49};

    static EditingPanel create(QWidget &client);

    void enableEditing(bool enabled) const;
    // A hint in "Bildname" is marked with QT_TRANSLATE_NOOP("EditingPanel", ...) and
    // follows the language until the field shows a file name instead.
    void showHint(const char *hint) const;
    void showFileName(const QString &name) const;
    // Sets every text again in the language now installed.
    void retranslate() const;

private:
    mutable const char *hint_ = nullptr;
};
