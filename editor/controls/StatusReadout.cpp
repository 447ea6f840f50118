#include "editor/controls/StatusReadout.h"

#include "editor/controls/PageView.h"
#include "editor/controls/PageZoom.h"
#include "editor/controls/SkinPages.h"
#include "editor/document/EditorDocument.h"

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
    readout.selectionPlace = createLabel(bar, "SelectionPlace");
    readout.pointerPlace = createLabel(bar, "CursorPosition");
    readout.zoomLevel = createLabel(bar, "ZoomLevel");
    readout.showZoom(zoom.percent());
    readout.showSelection(document);
    showReading(*readout.pointerPlace, {});
    QObject::connect(&zoom, &PageZoom::changed, readout.zoomLevel,
                     [readout](int percent) { readout.showZoom(percent); });
    for (PageView *view : pages.views) {
        QObject::connect(view, &PageView::pointerMoved, readout.pointerPlace,
                         [readout](QPointF at) { readout.showPointer(at); });
        QObject::connect(view, &PageView::pointerLeft, readout.pointerPlace, &QLabel::clear);
    }
    const auto follow = [readout, &document] { readout.showSelection(document); };
    for (auto signal : {&EditorDocument::selectionChanged, &EditorDocument::listsChanged})
        QObject::connect(&document, signal, readout.selectionPlace, follow);
    QObject::connect(&document, &EditorDocument::elementGeometryChanged, readout.selectionPlace,
                     follow);
    QObject::connect(&document, &EditorDocument::backgroundChanged, readout.selectionPlace, follow);
    return readout;
}

void StatusReadout::showZoom(int percent) const
{
    zoomLevel->setText(tr("%1 %").arg(percent));
}

// The pixel the pointer is over, also left of or above the page's origin.
void StatusReadout::showPointer(QPointF scenePoint) const
{
    showReading(*pointerPlace, tr("x %1 · y %2")
                                   .arg(static_cast<long long>(std::floor(scenePoint.x())))
                                   .arg(static_cast<long long>(std::floor(scenePoint.y()))));
}

void StatusReadout::showSelection(const EditorDocument &document) const
{
    const Selection &selection = document.selection();
    if (selection.kind == Selection::Kind::None) {
        showReading(*selectionPlace, {});
        return;
    }
    const Rect place = document.referenceGeometry(selection);
    showReading(*selectionPlace, tr("x %1 · y %2 · %3 × %4")
                                     .arg(place.left)
                                     .arg(place.top)
                                     .arg(place.width)
                                     .arg(place.height));
}
