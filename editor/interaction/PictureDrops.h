#pragma once

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

#include <QEvent>
#include <QHash>
#include <QObject>
#include <QSet>

#include <optional>

class GraphicEditing;
class PageScenes;
class StatePreviews;

// A bitmap file dropped on a state preview, a player-view or list picture or a page
// background replaces that bitmap, exactly as a choice in the picture dialog does.
// Anything else dropped there goes on to the window, which opens skins.
class PictureDrops : public QObject {
    Q_OBJECT

public:
    PictureDrops(const StatePreviews &previews, const GraphicEditing &graphics,
                 const PageScenes &scenes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a picture stands for: a state of the selected element, or a graphic.
    struct Target {
        std::optional<StateBitmap> state;
        std::optional<Graphic> graphic;
    };

    bool takes(const Target &target) const;
    void drop(const Target &target, const QString &path) const;
    // Whether the drag was taken; what is not taken goes on.
    bool handle(const Target *target, QEvent::Type type, const QString &path) const;

    const StatePreviews &previews_;
    const GraphicEditing &graphics_;
    QHash<const QObject *, Target> targets_;
    QSet<const QObject *> scenes_; // the scenes watched
};
