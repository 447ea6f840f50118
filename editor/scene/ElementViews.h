#pragma once

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

#include <QCoreApplication>

#include <array>
#include <vector>

class PageItem;
class QGraphicsItem;
class QGraphicsScene;
class QImage;

// Every element view of the catalogue on the three element pages, made from the
// table: "Image" + number + "p", "s" or "d". Element 25 is a text label "Sender".
// An element's views stand above the page background and below the list panel; the
// one brought to the front last stands above the others.
class ElementViews {
    Q_DECLARE_TR_FUNCTIONS(ElementViews)

public:
    ElementViews() = default;
    ElementViews(const std::array<QGraphicsScene *, 3> &pages);

    // The view on the page, or nothing when the element has none there.
    PageItem *view(const CatalogueEntry &entry, Page page) const;
    // The element the item is a view of, or nothing.
    const CatalogueEntry *entryOf(const QGraphicsItem *item) const;
    // The element's views in the order Player, Schedule, Description.
    std::vector<PageItem *> views(const CatalogueEntry &entry) const;
    // The elements whose views the page shows, in catalogue order, which the outline
    // lists them in too.
    std::vector<const CatalogueEntry *> shownOn(Page page) const;
    // The element's views stand above those of every other element.
    void bringToFront(const CatalogueEntry &entry);

    void setGeometry(const CatalogueEntry &entry, const Rect &geometry) const;
    void setPicture(const CatalogueEntry &entry, const QImage &image) const;
    // Shows the views the player shows for that version.
    void show(const CatalogueEntry &entry, std::string_view targetVersion) const;
    void hideAll() const;
    // Sets the texts of the text labels again in the language now installed.
    void retranslate() const;
    // Sets the tooltips that name the element and its size.
    void showToolTip(const CatalogueEntry &entry) const;

private:
    std::array<std::array<PageItem *, 3>, elementCount> views_{};
    double front_ = 0; // the stacking value of the element last brought to the front
};
