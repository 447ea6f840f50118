#include "editor/EditCommands.h"

EditCommand::EditCommand(EditorDocument &document, const QString &text, const EditMarks &marks)
    : QUndoCommand(text), document_(document), marks_(marks)
{}

bool EditCommand::mayTakeMore() const
{
    return document_.history_.index() > document_.mergeFloor_;
}

GeometryCommand::GeometryCommand(EditorDocument &document, const Selection &item,
                                 const ItemGeometry &before, const ItemGeometry &after,
                                 const EditMarks &marks, const QString &text, Run run)
    : EditCommand(document, text, marks), item_(item), before_(before), after_(after), run_(run)
{}

void GeometryCommand::undo()
{
    document_.setItemGeometry(item_, before_);
}

void GeometryCommand::redo()
{
    document_.setItemGeometry(item_, after_);
}

bool GeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const GeometryCommand *>(other);
    if (!mayTakeMore() || !(next->item_ == item_))
        return false;
    after_ = next->after_;
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
