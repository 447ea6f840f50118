#pragma once

#include <QCoreApplication>
#include <QPointF>

class EditorDocument;
class PageZoom;
class QLabel;
class QStatusBar;
struct SkinPages;

// The status bar: the zoom, where the pointer stands in skin pixels, and the place and
// size of the selection.
struct StatusReadout {
    Q_DECLARE_TR_FUNCTIONS(StatusReadout)

public:
    QLabel *zoomLevel = nullptr;
    QLabel *pointerPlace = nullptr;
    QLabel *selectionPlace = nullptr;

    static StatusReadout create(QStatusBar &bar, const EditorDocument &document,
                                const SkinPages &pages, const PageZoom &zoom);
    void showZoom(int percent) const;
    void showPointer(QPointF scenePoint) const;
    void showSelection(const EditorDocument &document) const;
};
