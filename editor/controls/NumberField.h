#pragma once

#include <QSpinBox>

// One of the four size and position fields. The program and the step buttons keep the
// value within the field's bounds; a value typed into a size field applies as typed
// until the field loses the focus, and only then is pulled into the bounds. A
// position field has no bounds and cannot be typed into.
//
// valueChanged() reports every change, whoever made it; while it is reported,
// isUserChange() tells whether the user made it (typing, stepping, the clamp after
// typing) or the program.
class NumberField : public QSpinBox {
    Q_OBJECT

public:
    NumberField(const QString &name, bool ranged, QWidget *parent);

    // Sets a value for the program, pulled into the bounds even while the user types.
    void assign(int value);
    // Shows no number: the items the field stands for differ in it. The first key or
    // step of the user makes a value again, reported even when it is the one held.
    void showMixed();
    bool isMixed() const { return mixed_; }
    bool isUserChange() const { return userActions_ > 0; }
    // A field with nothing to act on takes neither keys nor steps, yet stays enabled, as
    // an open skin's fields are; typing into a position field stays off either way.
    void takeInput(bool takes);

protected:
    bool event(QEvent *event) override;
    QValidator::State validate(QString &text, int &pos) const override;
    int valueFromText(const QString &text) const override;
    QString textFromValue(int value) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool acceptsTyped(const QString &text) const;
    // Ends the mixed display for the user's action, which reports its value.
    template <typename Action> void leaveMixed(Action action);
    // While the user types, the field takes any number; see the class comment.
    void beginTyping();
    void endTyping();

    int lowest_;
    int highest_;
    bool typable_;
    bool typing_ = false;
    bool mixed_ = false;
    int userActions_ = 0; // nesting depth of handlers that act for the user
};
