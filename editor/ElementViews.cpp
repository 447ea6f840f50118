#include "editor/ElementViews.h"

#include "editor/PictureLabel.h"
#include "editor/ViewGeometry.h"

#include <QPixmap>

namespace {

constexpr std::array<char, 3> pageLetters{'p', 's', 'd'};

QString viewName(const CatalogueEntry &entry, Page page)
{
    return QStringLiteral("Image") +
           QString::fromLatin1(entry.numberText.data(), static_cast<int>(entry.numberText.size())) +
           QLatin1Char(pageLetters[static_cast<std::size_t>(page)]);
}

QLabel *createStreamLabel(const QString &name, QWidget *page)
{
    auto *label = new QLabel(page);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

ElementViews::ElementViews(const std::array<QWidget *, 3> &pages)
{
    for (const CatalogueEntry &entry : catalogue()) {
        for (Page page : allPages) {
            if (!entry.hasView(page))
                continue;
            QWidget *parent = pages[static_cast<std::size_t>(page)];
            const QString name = viewName(entry, page);
            QLabel *view = entry.kind == ElementKind::StreamCombo
                               ? createStreamLabel(name, parent)
                               : new PictureLabel(name, PictureLabel::Drawing::Natural, parent);
            view->hide();
            views_[catalogueIndex(entry)][static_cast<std::size_t>(page)] = view;
        }
    }
    retranslate();
}

void ElementViews::retranslate() const
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.kind != ElementKind::StreamCombo)
            continue;
        for (QLabel *label : views(entry))
            label->setText(tr("Sender"));
    }
}

QLabel *ElementViews::view(const CatalogueEntry &entry, Page page) const
{
    return views_[catalogueIndex(entry)][static_cast<std::size_t>(page)];
}

std::vector<QLabel *> ElementViews::views(const CatalogueEntry &entry) const
{
    std::vector<QLabel *> result;
    for (QLabel *view : views_[catalogueIndex(entry)]) {
        if (view)
            result.push_back(view);
    }
    return result;
}

void ElementViews::setGeometry(const CatalogueEntry &entry, const Rect &geometry) const
{
    for (QLabel *view : views(entry))
        placeView(*view, geometry);
}

void ElementViews::setPicture(const CatalogueEntry &entry, const QImage &image) const
{
    const QPixmap converted = QPixmap::fromImage(image);
    for (QLabel *view : views(entry)) {
        if (auto *picture = qobject_cast<PictureLabel *>(view))
            picture->setPicture(image, converted);
    }
}

void ElementViews::show(const CatalogueEntry &entry, std::string_view targetVersion) const
{
    for (Page page : allPages) {
        if (QLabel *shown = view(entry, page))
            shown->setVisible(visibleOn(entry, page, targetVersion));
    }
}

void ElementViews::hideAll() const
{
    for (const auto &perPage : views_) {
        for (QLabel *view : perPage) {
            if (view)
                view->hide();
        }
    }
}
