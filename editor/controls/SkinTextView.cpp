#include "editor/controls/SkinTextView.h"

SkinTextView::SkinTextView(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("Memo1"));
    setReadOnly(true);
}

void SkinTextView::setSource(std::function<std::string()> source)
{
    source_ = std::move(source);
    sourceChanged();
}

void SkinTextView::sourceChanged()
{
    stale_ = true;
    if (isVisible())
        fill();
}

QString SkinTextView::skinText()
{
    fill();
    return toPlainText();
}

void SkinTextView::showEvent(QShowEvent *event)
{
    fill();
    QPlainTextEdit::showEvent(event);
}

void SkinTextView::fill()
{
    if (!stale_ || !source_)
        return;
    stale_ = false;
    setPlainText(QString::fromStdString(source_()));
}
