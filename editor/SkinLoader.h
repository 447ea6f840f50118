#pragma once

#include "editor/Workspace.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

class QMainWindow;
struct LoadedPicture;
struct LoadedSkin;

// How far a load got.
enum class LoadOutcome { Loaded, NotASkin, PictureFailed };

// Opens a skin into the window: the skin's text and pictures are read first, then
// shown step by step, backgrounds, lists, player view, track lists, elements. A
// picture that cannot be loaded ends the load where it stands, with its error box;
// what the earlier steps showed stays.
class SkinLoader {
    Q_DECLARE_TR_FUNCTIONS(SkinLoader)

public:
    SkinLoader(QMainWindow &window, const Workspace &workspace);

    LoadOutcome load(const QString &path);
    // Names the window after the version of the last skin that opened whole; a load
    // that stopped on its way leaves the name as it was.
    void showTitle() const;

private:
    // Walks the pictures of a load in their order; the first that failed is reported.
    class PictureSteps;

    void hideAndDisable();
    void accept(LoadedSkin &loaded);
    bool showSkin(const LoadedSkin &loaded, PictureSteps &pictures);
    bool showBackgrounds(PictureSteps &pictures);
    void showLists(const LoadedSkin &loaded);
    bool showPlayerView(PictureSteps &pictures);
    bool showTrackLists(PictureSteps &pictures);
    bool showElements(const LoadedSkin &loaded, PictureSteps &pictures);
    void finish();

    QMainWindow &window_;
    Workspace workspace_;
    std::string titleVersion_;
};
