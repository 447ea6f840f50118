#include "editor/document/EditCommands.h"

#include <algorithm>

EditCommand::EditCommand(EditorDocument &document, const QString &text, const EditMarks &marks)
    : QUndoCommand(text), document_(document), marks_(marks)
{}

bool EditCommand::mayTakeMore() const
{
    return document_.history_.index() > document_.mergeFloor_;
}

GeometryCommand::GeometryCommand(EditorDocument &document, std::vector<Placement> placements,
                                 const EditMarks &marks, const QString &text, Run run)
    : EditCommand(document, text, marks), placements_(std::move(placements)), run_(run)
{}

void GeometryCommand::undo()
{
    for (auto placement = placements_.rbegin(); placement != placements_.rend(); ++placement)
        document_.setItemGeometry(placement->item, placement->before);
}

void GeometryCommand::redo()
{
    for (const Placement &placement : placements_)
        document_.setItemGeometry(placement.item, placement.after);
}

bool GeometryCommand::sameItems(const GeometryCommand &other) const
{
    return std::equal(placements_.begin(), placements_.end(), other.placements_.begin(),
                      other.placements_.end(),
                      [](const Placement &a, const Placement &b) { return a.item == b.item; });
}

bool GeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const GeometryCommand *>(other);
    if (!mayTakeMore() || !sameItems(*next))
        return false;
    for (std::size_t i = 0; i < placements_.size(); ++i)
        placements_[i].after = next->placements_[i].after;
    return true;
}

StateBitmapCommand::StateBitmapCommand(EditorDocument &document, const CatalogueEntry &entry,
                                       StateBitmap state, Look before, Look after)
    : EditCommand(document, tr("Bild wählen"), EditMarks::ofElement(entry)), entry_(entry),
      state_(state), before_(std::move(before)), after_(std::move(after))
{}

void StateBitmapCommand::apply(const Look &look)
{
    if (state_ == StateBitmap::Up) {
        document_.setUpPicture(entry_, look.picture);
        document_.setElementGeometry(entry_, look.geometry);
    }
    document_.setStatePath(entry_, state_, look.path);
}

GraphicCommand::GraphicCommand(EditorDocument &document, Graphic graphic, std::string beforePath,
                               QImage beforePicture, std::string afterPath, QImage afterPicture)
    : EditCommand(document, tr("Grafik wählen"), EditMarks::ofGraphics()), graphic_(graphic),
      beforePath_(std::move(beforePath)), beforePicture_(std::move(beforePicture)),
      afterPath_(std::move(afterPath)), afterPicture_(std::move(afterPicture))
{}

SkinNameCommand::SkinNameCommand(EditorDocument &document, std::string before, std::string after)
    : EditCommand(document, tr("Skinname"), EditMarks::ofSkin()), before_(std::move(before)),
      after_(std::move(after))
{}
