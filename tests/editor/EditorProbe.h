#pragma once

#include "editor/windows/MainWindow.h"
#include "tests/editor/Shown.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTemporaryDir>

#include <memory>

// A main window with scripted dialogs, and the mouse and field work of a user.
class EditorProbe {
public:
    EditorProbe()
        : dialogs(std::make_shared<ScriptedDialogs>()), form(std::make_unique<MainWindow>(dialogs))
    {
        // The fixture's elements stand a few pixels apart, where snapping would pull
        // every drag; the drags here move by exactly what the pointer does, and
        // snapping has tests of its own.
        form->commands().snapToElements->setChecked(false);
    }

    // Writes the fixture's skin into the folder and opens it in the window; its path.
    QString open(const QString &folder, SkinFixture fixture = SkinFixture(true)) const
    {
        const QString path = fixture.write(folder);
        form->load(path);
        return path;
    }

    template <typename T = QWidget> T *child(const QString &name) const
    {
        T *found = form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    // A page item by its name, or else a control of the window.
    Shown view(const char *name) const { return findShown(*form, QString::fromLatin1(name)); }
    QSpinBox *field(const char *name) const { return child<QSpinBox>(QString::fromLatin1(name)); }
    // PositionX, PositionY, grossX and grossY, in this order.
    QList<int> fields() const
    {
        return {field("PositionX")->value(), field("PositionY")->value(), field("grossX")->value(),
                field("grossY")->value()};
    }
    QAction *command(const char *name) const { return child<QAction>(QString::fromLatin1(name)); }
    bool saveEnabled() const { return command("FileSave1")->isEnabled(); }
    const SkinElement &element(int number) const
    {
        return form->document().element(*findElement(number));
    }
    // The next save writes the element's section.
    bool due(int number) const { return form->editorDocument().due().has(*findElement(number)); }

    static void mouse(const Shown &target, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QWidget *receiver = target.receiver();
        // A press takes hold where the item can be seen; the rest of the gesture keeps
        // the same distance from where it was asked to be.
        static QPoint grip;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            grip = target.pressablePoint(at) - at;
        const bool hovers = type == QEvent::MouseMove && held == Qt::NoButton;
        const QPoint point = target.point(hovers ? target.pressablePoint(at) : at + grip);
        QMouseEvent event(type, point, receiver->mapToGlobal(point),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QApplication::sendEvent(receiver, &event);
    }
    static void press(const Shown &target, QPoint at = {2, 2},
                      Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(target, QEvent::MouseButtonPress, at, button);
    }
    // Presses at `from`, moves the pointer by `by` and releases it there.
    static void drag(const Shown &target, QPoint by, QPoint from = {2, 2})
    {
        press(target, from);
        mouse(target, QEvent::MouseMove, from + by);
        mouse(target, QEvent::MouseButtonRelease, from + by);
    }
    static void click(const Shown &target)
    {
        press(target);
        mouse(target, QEvent::MouseButtonRelease, {2, 2});
    }
    static void doubleClick(const Shown &target)
    {
        click(target);
        mouse(target, QEvent::MouseButtonDblClick, {2, 2});
        mouse(target, QEvent::MouseButtonRelease, {2, 2});
    }
    static void hover(const Shown &target)
    {
        mouse(target, QEvent::MouseMove, {1, 1}, Qt::NoButton);
    }

    // A bitmap of its own size and colour in the folder; the next picture the user
    // chooses. Its path.
    QString offerPicture(const QString &folder, const QString &name, QSize size,
                         QColor colour = Qt::darkCyan) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = QDir(folder).filePath(name);
        image.save(path, "BMP");
        dialogs->answerOpenPicture(path);
        return path;
    }

    std::shared_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<MainWindow> form;
};
