#pragma once

#include <QPlainTextEdit>

#include <functional>
#include <string>

// The hidden text of the opened skin. Laying out a long text costs more than the
// whole rest of opening, so the text is taken from its source only when the control
// is shown or its text is asked for, and again only after the source changed.
class SkinTextView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SkinTextView(QWidget *parent);

    void setSource(std::function<std::string()> source);
    void sourceChanged();
    QString skinText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();

    std::function<std::string()> source_;
    bool stale_ = false;
};
