#include "editor/PageSync.h"

#include "editor/EditorDocument.h"
#include "editor/PictureLabel.h"
#include "editor/SkinPages.h"
#include "editor/ViewGeometry.h"

#include <QPixmap>
#include <QTabWidget>

void followDocument(const EditorDocument &document, const SkinPages &pages)
{
    QObject *context = pages.Notebook;
    QObject::connect(&document, &EditorDocument::elementGeometryChanged, context,
                     [&](const CatalogueEntry &entry) {
                         pages.views.setGeometry(entry, document.skin().element(entry).geometry);
                     });
    QObject::connect(&document, &EditorDocument::upPictureChanged, context,
                     [&](const CatalogueEntry &entry) {
                         pages.views.setPicture(entry, document.upPicture(entry));
                     });
    QObject::connect(&document, &EditorDocument::listsChanged, context,
                     [&] { pages.lists.place(document.skin().lists); });
    QObject::connect(&document, &EditorDocument::backgroundChanged, context, [&](Page page) {
        const Rect &size = document.background(page);
        pages.background(page)->resize(size.width, size.height);
    });
    QObject::connect(&document, &EditorDocument::graphicChanged, context, [&](Graphic graphic) {
        const QImage &picture = document.graphicPicture(graphic);
        const QPixmap converted = QPixmap::fromImage(picture);
        pages.picture(graphic)->setPicture(picture, converted);
        if (PictureLabel *mirror = pages.mirror(graphic))
            mirror->setPicture(picture, converted);
    });
}
