#include "editor/document/EditorDocument.h"

#include "editor/document/ArrangementNames.h"
#include "editor/document/EditCommands.h"
#include "ini/SkinWriter.h"
#include "skin/SkinSave.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// The views take only what a widget can be; the model holds what they really got.
void placeEdge(Rect &rect, Edge edge, int value)
{
    edgeOf(rect, edge) = value;
    rect = viewGeometry(rect);
}

bool isSize(Edge edge)
{
    return edge == Edge::Width || edge == Edge::Height;
}

QString fieldStepText(Edge edge)
{
    return isSize(edge) ? QCoreApplication::translate("EditorDocument", "Größe ändern")
                        : QCoreApplication::translate("EditorDocument", "Position ändern");
}

const Selection noSelection;

} // namespace

int EditorDocument::fieldSize(std::int64_t size)
{
    return static_cast<int>(std::clamp<std::int64_t>(size, 0, largestFieldSize));
}

EditorDocument::EditorDocument(QObject *parent) : QObject(parent)
{
    connect(&history_, &QUndoStack::indexChanged, this, &EditorDocument::updateMarks);
}

EditorDocument::~EditorDocument()
{
    // The commands refer to this document; they go before it does.
    disconnect(&history_, nullptr, this, nullptr);
    history_.clear();
}

const QImage &EditorDocument::upPicture(const CatalogueEntry &entry) const
{
    return upPictures_[catalogueIndex(entry)];
}

const QImage &EditorDocument::graphicPicture(Graphic graphic) const
{
    return graphicPictures_[static_cast<std::size_t>(graphic)];
}

const Rect &EditorDocument::background(Page page) const
{
    return backgrounds_[static_cast<std::size_t>(page)];
}

ItemGeometry EditorDocument::itemGeometry(const Selection &item) const
{
    switch (item.kind) {
    case Selection::Kind::Element:
        return {skin_.element(*item.element).geometry, {}};
    case Selection::Kind::Background:
        return {background(item.background), {}};
    case Selection::Kind::PlayerList:
    case Selection::Kind::TrackLists:
        return {{}, skin_.lists};
    case Selection::Kind::None:
        break;
    }
    return {};
}

Rect EditorDocument::referenceGeometry(const Selection &item) const
{
    switch (item.kind) {
    case Selection::Kind::PlayerList:
        return skin_.lists.player;
    case Selection::Kind::TrackLists:
        return skin_.lists.schedule;
    default:
        return itemGeometry(item).rect;
    }
}

// The two kinds of list selection are not symmetrical: the track lists carry the
// Player list along when they move, but not when they are resized. A page
// background is sized but never placed.
ItemGeometry EditorDocument::withEdge(const Selection &item, ItemGeometry base, Edge edge,
                                      int value) const
{
    switch (item.kind) {
    case Selection::Kind::Element:
        placeEdge(base.rect, edge, value);
        break;
    case Selection::Kind::Background:
        if (isSize(edge))
            placeEdge(base.rect, edge, value);
        break;
    case Selection::Kind::PlayerList:
        placeEdge(base.lists.player, edge, value);
        break;
    case Selection::Kind::TrackLists:
        if (!isSize(edge))
            placeEdge(base.lists.player, edge, value);
        placeEdge(base.lists.schedule, edge, value);
        placeEdge(base.lists.description, edge, value);
        break;
    case Selection::Kind::None:
        break;
    }
    return base;
}

// An element's section is written only when it is marked; the list geometry goes
// out with every save; a background's displayed size is stored nowhere.
EditMarks EditorDocument::marksOfEdit(const Selection &item) const
{
    if (item.kind == Selection::Kind::Element)
        return EditMarks::ofElement(*item.element);
    if (item.isList())
        return EditMarks::ofSkin();
    return {};
}

const Selection &EditorDocument::selection() const
{
    return selected_.empty() ? noSelection : selected_.front();
}

bool EditorDocument::isSelected(const Selection &item) const
{
    return std::find(selected_.begin(), selected_.end(), item) != selected_.end();
}

void EditorDocument::select(const Selection &item)
{
    endRun();
    selected_.clear();
    if (item.kind != Selection::Kind::None)
        selected_.push_back(item);
    announceSelection();
}

void EditorDocument::selectElements(const std::vector<const CatalogueEntry *> &elements)
{
    endRun();
    selected_.clear();
    for (const CatalogueEntry *entry : elements) {
        if (entry && !isSelected(Selection::of(*entry)))
            selected_.push_back(Selection::of(*entry));
    }
    announceSelection();
}

void EditorDocument::toggleElement(const CatalogueEntry &entry)
{
    endRun();
    const Selection item = Selection::of(entry);
    if (selection().kind != Selection::Kind::Element)
        selected_.clear();
    if (const auto found = std::find(selected_.begin(), selected_.end(), item);
        found != selected_.end())
        selected_.erase(found);
    else
        selected_.push_back(item);
    announceSelection();
}

// The sizes only: a place has no bounds in the fields. A page background's place is
// never shown, and the track lists' size is the Schedule list's.
void EditorDocument::announceSelection()
{
    if (selected_.size() == 1) {
        const Selection &item = selected_.front();
        const Rect reference = referenceGeometry(item);
        ItemGeometry fitted = itemGeometry(item);
        for (Edge edge : {Edge::Width, Edge::Height}) {
            const int size = edgeOf(reference, edge);
            if (fieldSize(size) != size)
                fitted = withEdge(item, fitted, edge, fieldSize(size));
        }
        if (!(fitted == itemGeometry(item)))
            setItemGeometry(item, fitted);
    }
    emit selectionChanged();
}

void EditorDocument::editEdge(Edge edge, int value)
{
    const auto run =
        static_cast<GeometryCommand::Run>(GeometryCommand::FieldLeft + static_cast<int>(edge));
    pushEachSelected(
        [&](const Selection &item) { return withEdge(item, itemGeometry(item), edge, value); },
        fieldStepText(edge), run);
}

void EditorDocument::nudge(int dx, int dy, int dWidth, int dHeight)
{
    const bool moves = dx != 0 || dy != 0;
    pushEachSelected(
        [&](const Selection &item) {
            const Rect reference = referenceGeometry(item);
            ItemGeometry after = itemGeometry(item);
            if (moves) {
                after = withEdge(item, after, Edge::Left, saturatedSum(reference.left, dx));
                return withEdge(item, after, Edge::Top, saturatedSum(reference.top, dy));
            }
            after = withEdge(item, after, Edge::Width,
                             fieldSize(std::int64_t{reference.width} + dWidth));
            return withEdge(item, after, Edge::Height,
                            fieldSize(std::int64_t{reference.height} + dHeight));
        },
        moves ? tr("Verschieben") : tr("Größe ändern"), GeometryCommand::Keys);
}

// Only the edges the handle changed are applied, as a field would apply them: a handle
// that only widens the track lists leaves the Player list where it stands.
void EditorDocument::resizeTo(const Rect &reference)
{
    const Selection item = selection();
    const Rect before = referenceGeometry(item);
    ItemGeometry after = itemGeometry(item);
    for (Edge edge : {Edge::Left, Edge::Top, Edge::Width, Edge::Height}) {
        const int value = edgeOf(reference, edge);
        if (value != edgeOf(before, edge))
            after = withEdge(item, after, edge, isSize(edge) ? fieldSize(value) : value);
    }
    if (item.kind != Selection::Kind::None && !(after == itemGeometry(item)))
        pushPlacements({{item, itemGeometry(item), after}}, tr("Größe ändern"),
                       GeometryCommand::Handle);
}

// Every move of a drag marks the items, also one that leaves them in place.
void EditorDocument::drag(const Selection &item, const Rect &movedPart)
{
    const Rect moved = viewGeometry(movedPart);
    std::vector<Placement> placements;
    if (item.kind == Selection::Kind::Element && selected_.size() > 1 && isSelected(item)) {
        const Rect from = itemGeometry(item).rect;
        const std::int64_t dx = std::int64_t{moved.left} - from.left;
        const std::int64_t dy = std::int64_t{moved.top} - from.top;
        for (const Selection &other : selected_) {
            ItemGeometry after = itemGeometry(other);
            after.rect.left = saturatedSum(after.rect.left, dx);
            after.rect.top = saturatedSum(after.rect.top, dy);
            after.rect = viewGeometry(after.rect);
            placements.push_back({other, itemGeometry(other), after});
        }
    } else {
        ItemGeometry after = itemGeometry(item);
        switch (item.kind) {
        case Selection::Kind::Element:
            after.rect = moved;
            break;
        case Selection::Kind::PlayerList:
            after.lists.player = moved;
            break;
        case Selection::Kind::TrackLists:
            after = withEdge(item, after, Edge::Left, moved.left);
            after = withEdge(item, after, Edge::Top, moved.top);
            after = withEdge(item, after, Edge::Width, moved.width);
            after = withEdge(item, after, Edge::Height, moved.height);
            break;
        default:
            return;
        }
        placements.push_back({item, itemGeometry(item), after});
    }
    pushStep(std::move(placements), tr("Verschieben"), GeometryCommand::Drag);
}

void EditorDocument::arrange(Arrangement arrangement)
{
    std::vector<Rect> rects;
    for (const Selection &item : selected_) {
        if (item.kind == Selection::Kind::Element)
            rects.push_back(itemGeometry(item).rect);
    }
    if (rects.size() != selected_.size())
        return;
    const std::vector<Rect> after = arranged(arrangement, rects);
    std::vector<Placement> placements;
    for (std::size_t i = 0; i < selected_.size(); ++i)
        placements.push_back({selected_[i], {rects[i], {}}, {after[i], {}}});
    pushPlacements(std::move(placements), arrangementName(arrangement), GeometryCommand::NoRun);
}

void EditorDocument::placeSelection(const Rect &place, bool withSize)
{
    pushEachSelected(
        [&](const Selection &item) {
            ItemGeometry after = withEdge(item, itemGeometry(item), Edge::Left, place.left);
            after = withEdge(item, after, Edge::Top, place.top);
            if (withSize) {
                after = withEdge(item, after, Edge::Width, fieldSize(place.width));
                after = withEdge(item, after, Edge::Height, fieldSize(place.height));
            }
            return after;
        },
        withSize ? tr("Position und Größe einfügen") : tr("Position einfügen"),
        GeometryCommand::NoRun);
}

template <typename Change>
void EditorDocument::pushEachSelected(Change change, const QString &text, int run)
{
    std::vector<Placement> placements;
    for (const Selection &item : selected_)
        placements.push_back({item, itemGeometry(item), change(item)});
    pushPlacements(std::move(placements), text, run);
}

// Items the edit leaves where they are take no part in it; an edit that moves
// nothing is no step.
void EditorDocument::pushPlacements(std::vector<Placement> placements, const QString &text, int run)
{
    std::erase_if(placements, [](const Placement &placement) {
        return placement.item.kind == Selection::Kind::None || placement.after == placement.before;
    });
    if (!placements.empty())
        pushStep(std::move(placements), text, run);
}

void EditorDocument::pushStep(std::vector<Placement> placements, const QString &text, int run)
{
    EditMarks marks;
    for (const Placement &placement : placements)
        marks |= marksOfEdit(placement.item);
    push(new GeometryCommand(*this, std::move(placements), marks, text,
                             static_cast<GeometryCommand::Run>(run)));
}

// The fields cut the size they show to their range, and the views follow the fields.
void EditorDocument::chooseStateBitmap(const CatalogueEntry &entry, StateBitmap state,
                                       const std::string &path, const QImage &picture)
{
    const SkinElement &element = skin_.element(entry);
    StateBitmapCommand::Look before{element.statePath(state), upPicture(entry), element.geometry};
    StateBitmapCommand::Look after{path, before.picture, before.geometry};
    if (state == StateBitmap::Up) {
        after.picture = picture;
        if (!keepsSizeForNewBitmap(entry)) {
            after.geometry.width = picture.width();
            after.geometry.height = picture.height();
        }
        after.geometry.width = fieldSize(after.geometry.width);
        after.geometry.height = fieldSize(after.geometry.height);
        after.geometry = viewGeometry(after.geometry);
    }
    push(new StateBitmapCommand(*this, entry, state, std::move(before), std::move(after)));
}

void EditorDocument::chooseGraphic(Graphic graphic, const std::string &path, const QImage &picture)
{
    push(new GraphicCommand(*this, graphic, skin_.graphicPaths[static_cast<std::size_t>(graphic)],
                            graphicPicture(graphic), path, picture));
}

// Confirming the name again, even unchanged, makes it due for the next save.
void EditorDocument::confirmSkinName(const std::string &name)
{
    push(new SkinNameCommand(*this, skin_.skinName, name));
}

void EditorDocument::endRun()
{
    mergeFloor_ = history_.index();
}

void EditorDocument::applyEdge(Edge edge, int value)
{
    if (selected_.size() == 1)
        setItemGeometry(selected_.front(),
                        withEdge(selected_.front(), itemGeometry(selected_.front()), edge, value));
}

void EditorDocument::endGesture()
{
    endRun();
    emit gestureEnded();
}

void EditorDocument::clickPicture(const PointedPicture &picture)
{
    if (picture.hasNoFieldPlace())
        select({});
    pointed_ = picture;
    emit pictureNamed();
    emit pictureClicked();
}

void EditorDocument::namePicture(const PointedPicture &picture)
{
    pointed_ = picture;
    emit pictureNamed();
}

// The name is not the file's, yet no step can take it back: it is due until written.
void EditorDocument::keepFailedStatePath(const CatalogueEntry &entry, StateBitmap state,
                                         const std::string &path)
{
    skin_.element(entry).statePath(state) = path;
    rewriteAtNextSave(entry);
}

void EditorDocument::whenContentChanges(QObject *context,
                                        const std::function<void()> &changed) const
{
    connect(this, &EditorDocument::elementGeometryChanged, context, changed);
    connect(this, &EditorDocument::listsChanged, context, changed);
    connect(this, &EditorDocument::statePathChanged, context, changed);
    connect(this, &EditorDocument::upPictureChanged, context, changed);
    connect(this, &EditorDocument::graphicChanged, context, changed);
    connect(this, &EditorDocument::skinTextChanged, context, changed);
}

void EditorDocument::beginLoad()
{
    reckoning_.restart();
    mergeFloor_ = 0;
    history_.clear();
    updateMarks();
}

void EditorDocument::acceptSkin(SkinDocument &loaded)
{
    skin_.targetVersion = loaded.targetVersion;
    skin_.skinPath = loaded.skinPath;
    skin_.textPath = loaded.textPath;
    skin_.skinFolder = loaded.skinFolder;
    skin_.openedText = std::move(loaded.openedText);
    reckoning_.forgetGraphics();
    updateMarks();
    emit skinTextChanged();
}

// Also the same paths again: a skin opened anew may hold other pictures under them.
void EditorDocument::takeStatePaths(const CatalogueEntry &entry, const SkinElement &loaded)
{
    skin_.element(entry).statePaths = loaded.statePaths;
    for (StateBitmap state : allStates) {
        if (entry.hasState(state))
            emit statePathChanged(entry, state);
    }
}

// What was due is written, and nothing else is: the reckoning starts afresh from here.
std::error_code EditorDocument::lastSaveError()
{
    return skin_.openedText.writer().LastWriteError();
}

bool EditorDocument::save()
{
    if (!saveSkin(skin_, due()))
        return false;
    reckoning_.written();
    skin_.skinFolder = folderOf(skin_.skinPath);
    endRun();
    updateMarks();
    emit skinTextChanged();
    return true;
}

void EditorDocument::setSkinPath(const std::string &path)
{
    skin_.skinPath = path;
}

// A folder that does not exist compares as none, so a path into one counts as moving.
bool EditorDocument::movesFolder() const
{
    const QFileInfo from(QString::fromStdString(skin_.skinFolder));
    const QFileInfo to(QFileInfo(QString::fromStdString(skin_.skinPath)).absolutePath());
    return from.canonicalFilePath() != to.canonicalFilePath();
}

void EditorDocument::rewriteAtNextSave(const CatalogueEntry &entry)
{
    EditMarks rewrite;
    rewrite.elements.set(catalogueIndex(entry));
    reckoning_.addBeyondHistory(rewrite);
}

void EditorDocument::setItemGeometry(const Selection &item, const ItemGeometry &geometry)
{
    switch (item.kind) {
    case Selection::Kind::Element:
        setElementGeometry(*item.element, geometry.rect);
        break;
    case Selection::Kind::Background:
        setBackground(item.background, geometry.rect);
        break;
    case Selection::Kind::PlayerList:
    case Selection::Kind::TrackLists:
        setLists(geometry.lists);
        break;
    case Selection::Kind::None:
        break;
    }
}

void EditorDocument::setElementGeometry(const CatalogueEntry &entry, const Rect &geometry)
{
    skin_.element(entry).geometry = geometry;
    emit elementGeometryChanged(entry);
}

void EditorDocument::setLists(const ListGeometry &lists)
{
    skin_.lists = lists;
    emit listsChanged();
}

void EditorDocument::setBackground(Page page, const Rect &size)
{
    backgrounds_[static_cast<std::size_t>(page)] = size;
    emit backgroundChanged(page);
}

void EditorDocument::setStatePath(const CatalogueEntry &entry, StateBitmap state,
                                  const std::string &path)
{
    skin_.element(entry).statePath(state) = path;
    emit statePathChanged(entry, state);
}

void EditorDocument::setUpPicture(const CatalogueEntry &entry, const QImage &picture)
{
    upPictures_[catalogueIndex(entry)] = picture;
    emit upPictureChanged(entry);
}

void EditorDocument::setGraphic(Graphic graphic, const std::string &path, const QImage &picture)
{
    skin_.graphicPaths[static_cast<std::size_t>(graphic)] = path;
    graphicPictures_[static_cast<std::size_t>(graphic)] = picture;
    emit graphicChanged(graphic);
}

void EditorDocument::setSkinName(const std::string &name)
{
    skin_.skinName = name;
}

// Steps that were undone behind the clean point are dropped by the new one; what
// they had changed now differs from the file for good.
void EditorDocument::push(EditCommand *command)
{
    if (reckoning_.keepDroppedSteps())
        endRun();
    // A new step moves the history's index, which brings the marks up to date; a step
    // merged into the last one is of its kind and item, so it changes no mark.
    history_.push(command);
}

void EditorDocument::updateMarks()
{
    const bool changed = reckoning_.due().skin;
    if (changed != changed_) {
        changed_ = changed;
        emit changedStateChanged(changed_);
    }
}
