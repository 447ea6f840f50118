#pragma once

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

#include <QCoreApplication>

#include <array>
#include <vector>

class PictureLabel;
class QImage;
class QLabel;
class QWidget;

// Every element view of the catalogue on the three element pages, made from the
// table: "Image" + number + "p", "s" or "d". Element 25 is a text label "Sender".
class ElementViews {
    Q_DECLARE_TR_FUNCTIONS(ElementViews)

public:
    ElementViews() = default;
    ElementViews(const std::array<QWidget *, 3> &pages);

    // The view on the page, or nothing when the element has none there.
    QLabel *view(const CatalogueEntry &entry, Page page) const;
    // The element's views in the order Player, Schedule, Description.
    std::vector<QLabel *> views(const CatalogueEntry &entry) const;

    void setGeometry(const CatalogueEntry &entry, const Rect &geometry) const;
    void setPicture(const CatalogueEntry &entry, const QImage &image) const;
    // Shows the views the player shows for that version.
    void show(const CatalogueEntry &entry, std::string_view targetVersion) const;
    void hideAll() const;
    // Sets the texts of the text labels again in the language now installed.
    void retranslate() const;

private:
    std::array<std::array<QLabel *, 3>, elementCount> views_{};
};
