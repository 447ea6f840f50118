#include "editor/StatusReadout.h"

#include "editor/EditorDocument.h"
#include "editor/PageView.h"
#include "editor/PageZoom.h"
#include "editor/SkinPages.h"

#include <QLabel>
#include <QStatusBar>

#include <cmath>

namespace {

QLabel *createLabel(QStatusBar &bar, const char *name)
{
    auto *label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    // Each reading stands apart from its neighbours, also when one of them is empty.
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(6, 0, 6, 0);
    bar.addPermanentWidget(label);
    return label;
}

// An empty reading leaves no empty frame behind.
void showReading(QLabel &label, const QString &text)
{
    label.setText(text);
    label.setVisible(!text.isEmpty());
}

} // namespace

StatusReadout StatusReadout::create(QStatusBar &bar, const EditorDocument &document,
                                    const SkinPages &pages, const PageZoom &zoom)
{
    StatusReadout readout;
    readout.SelectionPlace = createLabel(bar, "SelectionPlace");
    readout.CursorPosition = createLabel(bar, "CursorPosition");
    readout.ZoomLevel = createLabel(bar, "ZoomLevel");
    readout.showZoom(zoom.percent());
    readout.showSelection(document);
    showReading(*readout.CursorPosition, {});
    QObject::connect(&zoom, &PageZoom::changed, readout.ZoomLevel,
                     [readout](int percent) { readout.showZoom(percent); });
    for (PageView *view : pages.views) {
        QObject::connect(view, &PageView::pointerMoved, readout.CursorPosition,
                         [readout](QPointF at) { readout.showPointer(at); });
        QObject::connect(view, &PageView::pointerLeft, readout.CursorPosition, &QLabel::clear);
    }
    const auto follow = [readout, &document] { readout.showSelection(document); };
    for (auto signal : {&EditorDocument::selectionChanged, &EditorDocument::listsChanged})
        QObject::connect(&document, signal, readout.SelectionPlace, follow);
    QObject::connect(&document, &EditorDocument::elementGeometryChanged, readout.SelectionPlace,
                     follow);
    QObject::connect(&document, &EditorDocument::backgroundChanged, readout.SelectionPlace, follow);
    return readout;
}

void StatusReadout::showZoom(int percent) const
{
    ZoomLevel->setText(tr("%1 %").arg(percent));
}

// The pixel the pointer is over, also left of or above the page's origin.
void StatusReadout::showPointer(QPointF scenePoint) const
{
    showReading(*CursorPosition, tr("x %1 · y %2")
                                     .arg(static_cast<long long>(std::floor(scenePoint.x())))
                                     .arg(static_cast<long long>(std::floor(scenePoint.y()))));
}

void StatusReadout::showSelection(const EditorDocument &document) const
{
    const Selection &selection = document.selection();
    if (selection.kind == Selection::Kind::None) {
        showReading(*SelectionPlace, {});
        return;
    }
    const Rect place = document.referenceGeometry(selection);
    showReading(*SelectionPlace, tr("x %1 · y %2 · %3 × %4")
                                     .arg(place.left)
                                     .arg(place.top)
                                     .arg(place.width)
                                     .arg(place.height));
}
