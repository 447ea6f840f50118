#include "editor/controls/NumberField.h"

#include "editor/document/EditorDocument.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>

NumberField::NumberField(const QString &name, bool ranged, QWidget *parent)
    : QSpinBox(parent), lowest_(ranged ? 0 : std::numeric_limits<int>::min()),
      highest_(ranged ? EditorDocument::largestFieldSize : std::numeric_limits<int>::max()),
      typable_(ranged)
{
    setObjectName(name);
    setRange(lowest_, highest_);
    setValue(0);
    lineEdit()->setReadOnly(!typable_);
    setEnabled(false);
}

void NumberField::takeInput(bool takes)
{
    setReadOnly(!takes);
    lineEdit()->setReadOnly(!takes || !typable_);
}

namespace {

// The keys of the editor's own undo and redo, whatever the platform calls redo.
bool isHistoryKey(const QKeyEvent &event)
{
    return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
           QKeySequence(event.keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y);
}

} // namespace

// The field's text has an undo of its own that would claim these keys; what it undid
// would then come back as an edit of its own. The history answers them instead.
bool NumberField::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        isHistoryKey(static_cast<const QKeyEvent &>(*event))) {
        event->ignore();
        return true;
    }
    return QSpinBox::event(event);
}

void NumberField::assign(int value)
{
    const int shown = std::clamp(value, lowest_, highest_);
    if (mixed_) {
        mixed_ = false;
        // The same value would not draw the number again.
        if (shown == this->value())
            lineEdit()->setText(textFromValue(shown));
    }
    setValue(shown);
}

void NumberField::showMixed()
{
    mixed_ = true;
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->clear();
}

QString NumberField::textFromValue(int value) const
{
    return mixed_ ? QString() : QSpinBox::textFromValue(value);
}

template <typename Action> void NumberField::leaveMixed(Action action)
{
    if (!mixed_) {
        action();
        return;
    }
    mixed_ = false;
    const int before = value();
    bool reported = false;
    const QMetaObject::Connection watch =
        connect(this, &QSpinBox::valueChanged, this, [&reported] { reported = true; });
    action();
    disconnect(watch);
    if (!reported && !mixed_ && !lineEdit()->text().isEmpty() && value() == before)
        emit valueChanged(value());
}

QValidator::State NumberField::validate(QString &text, int &) const
{
    return acceptsTyped(text) ? QValidator::Acceptable : QValidator::Invalid;
}

// Anything made of the allowed characters is accepted as it stands; what is not a
// whole number ("", "-", "1,5") counts as 0, so the views follow every keystroke.
int NumberField::valueFromText(const QString &text) const
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    return isNumber ? value : 0;
}

void NumberField::stepBy(int steps)
{
    QScopedValueRollback guard(userActions_, userActions_ + 1);
    const qint64 stepped = static_cast<qint64>(value()) + steps;
    leaveMixed([&] { setValue(static_cast<int>(std::clamp<qint64>(stepped, lowest_, highest_))); });
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < highest_)
        enabled |= StepUpEnabled;
    if (value() > lowest_)
        enabled |= StepDownEnabled;
    return enabled;
}

void NumberField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && (!typable_ || !acceptsTyped(typed))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QScopedValueRollback guard(userActions_, userActions_ + 1);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Qt reports the value anew on Enter even when it has not changed.
        interpretText();
        selectAll();
        event->accept();
        return;
    }
    if (typable_)
        beginTyping();
    if (!typed.isEmpty() && typed.front().isPrint())
        leaveMixed([&] { QSpinBox::keyPressEvent(event); });
    else
        QSpinBox::keyPressEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent *event)
{
    QSpinBox::focusOutEvent(event);
    QScopedValueRollback guard(userActions_, userActions_ + 1);
    endTyping();
}

bool NumberField::acceptsTyped(const QString &text) const
{
    const QString decimalPoint = locale().decimalPoint();
    return std::all_of(text.begin(), text.end(), [&](QChar c) {
        return c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
               decimalPoint.contains(c);
    });
}

void NumberField::beginTyping()
{
    if (typing_)
        return;
    typing_ = true;
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

void NumberField::endTyping()
{
    if (!typing_)
        return;
    typing_ = false;
    // Pulling a typed value into the bounds is a change like any other.
    setRange(lowest_, highest_);
}
