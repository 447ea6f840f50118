#pragma once

#include <QLabel>

class QAbstractScrollArea;

// A mode's sign in the top-right corner of a view: it stands over the viewport, not in
// the scene, so it stays put while the page scrolls and zooms and no export draws it.
// The mouse goes through it to the page below. The text is marked with
// QT_TRANSLATE_NOOP("ModeBadge", ...) and follows the language.
class ModeBadge : public QLabel {
    Q_OBJECT

public:
    ModeBadge(const char *text, QAbstractScrollArea &view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void place();

    const char *text_;
    QAbstractScrollArea &view_;
};
