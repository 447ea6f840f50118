#include "editor/controls/NumberField.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

// The changes a field reports as made by the user.
class UserChanges : public QObject {
public:
    explicit UserChanges(NumberField *field)
    {
        connect(field, &QSpinBox::valueChanged, this,
                [this, field] { count += field->isUserChange() ? 1 : 0; });
    }
    int count = 0;
};

class NumberFieldTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window_;
    NumberField *size_ = nullptr;
    NumberField *position_ = nullptr;

    static QList<int> values(const QSignalSpy &spy)
    {
        QList<int> result;
        for (const QList<QVariant> &arguments : spy)
            result << arguments.at(0).toInt();
        return result;
    }
    static void loseFocus(NumberField *field)
    {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &focusOut);
    }

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        size_ = new NumberField(QStringLiteral("grossX"), true, window_.get());
        position_ = new NumberField(QStringLiteral("PositionX"), false, window_.get());
        size_->setEnabled(true);
        position_->setEnabled(true);
        window_->show();
    }

    void programValuesAreClampedAndReportedOnce()
    {
        QSignalSpy changes(size_, &QSpinBox::valueChanged);
        UserChanges edits(size_);
        size_->setValue(1500);
        size_->setValue(1000);
        size_->assign(-3);
        QCOMPARE(values(changes), (QList<int>{1000, 0}));
        QCOMPARE(size_->text(), QStringLiteral("0"));
        QCOMPARE(edits.count, 0);
    }

    void typedValuesApplyAtEveryKeystroke()
    {
        size_->setValue(75);
        QSignalSpy changes(size_, &QSpinBox::valueChanged);
        UserChanges edits(size_);
        size_->selectAll();
        QTest::keyClick(size_, Qt::Key_Backspace);
        QTest::keyClicks(size_, QStringLiteral("120"));
        QCOMPARE(values(changes), (QList<int>{0, 1, 12, 120}));
        QCOMPARE(edits.count, 4);
    }

    void typedValueOutsideTheBoundsHoldsUntilFocusLeaves()
    {
        QSignalSpy changes(size_, &QSpinBox::valueChanged);
        size_->selectAll();
        QTest::keyClicks(size_, QStringLiteral("1500"));
        QCOMPARE(size_->value(), 1500);
        loseFocus(size_);
        QCOMPARE(size_->value(), 1000);
        QCOMPARE(size_->text(), QStringLiteral("1000"));
        QCOMPARE(changes.last().at(0).toInt(), 1000);
    }

    void programValueWhileTypingIsStillClamped()
    {
        QTest::keyClicks(size_, QStringLiteral("5"));
        size_->assign(1200);
        QCOMPARE(size_->value(), 1000);
    }

    void textThatIsNoWholeNumberReadsAsZero_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lone minus") << QStringLiteral("-");
        QTest::newRow("fraction") << QStringLiteral("1") + QLocale().decimalPoint() +
                                         QStringLiteral("5");
        QTest::newRow("two signs") << QStringLiteral("+-");
    }
    void textThatIsNoWholeNumberReadsAsZero()
    {
        QFETCH(QString, typed);
        size_->setValue(40);
        size_->selectAll();
        QTest::keyClicks(size_, typed);
        QCOMPARE(size_->text(), typed);
        QCOMPARE(size_->value(), 0);
    }

    void lettersAreRefused()
    {
        size_->setValue(40);
        size_->findChild<QLineEdit *>()->end(false);
        QTest::keyClicks(size_, QStringLiteral("a x"));
        QCOMPARE(size_->text(), QStringLiteral("40"));
        QCOMPARE(size_->value(), 40);
    }

    void positionFieldsStepButCannotBeTyped()
    {
        UserChanges edits(position_);
        QTest::keyClicks(position_, QStringLiteral("7"));
        QCOMPARE(position_->value(), 0);
        QTest::keyClick(position_, Qt::Key_Down);
        QTest::keyClick(position_, Qt::Key_Down);
        QCOMPARE(position_->value(), -2);
        QCOMPARE(edits.count, 2);
    }

    void steppingStopsAtTheBoundsWithoutOverflow()
    {
        size_->setValue(1000);
        QTest::keyClick(size_, Qt::Key_Up);
        QCOMPARE(size_->value(), 1000);
        position_->setValue(std::numeric_limits<int>::max());
        QTest::keyClick(position_, Qt::Key_Up);
        QCOMPARE(position_->value(), std::numeric_limits<int>::max());
        QTest::keyClick(size_, Qt::Key_PageDown);
        QCOMPARE(size_->value(), 990);
    }
};

QTEST_MAIN(NumberFieldTest)
#include "tst_numberfield.moc"
