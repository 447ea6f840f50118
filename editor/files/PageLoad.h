#pragma once

#include <QString>

#include <string>

class Dialogs;
class EditorDocument;
class PageScenes;
struct LoadedSkin;

// How far a load got. A skin whose pictures need more memory than the budget shows
// none of them.
enum class LoadOutcome { Loaded, NotASkin, PictureFailed, OverBudget };

// Opens a skin into the document and its scenes, without any window: the skin's text
// and pictures are read first, then shown step by step, backgrounds, lists, player
// view, track lists, elements. A picture that cannot be loaded ends the load where it
// stands, with its error box; what the earlier steps showed stays.
class PageLoad {
public:
    PageLoad(EditorDocument &document, PageScenes &scenes, Dialogs &dialogs);

    // Hides every item and starts a new history.
    void begin();
    // Takes the skin as the document; the elements only 1.5 skins have show their
    // Player view at once.
    void accept(LoadedSkin &loaded);
    // Shows the skin's pictures in the load's order, as far as they go.
    LoadOutcome showPictures(const LoadedSkin &loaded);

private:
    class PictureSteps;

    bool showBackgrounds(PictureSteps &pictures);
    void showLists(const LoadedSkin &loaded);
    bool showPlayerView(PictureSteps &pictures);
    bool showTrackLists(PictureSteps &pictures);
    bool showElements(const LoadedSkin &loaded, PictureSteps &pictures);

    EditorDocument &document_;
    PageScenes &scenes_;
    Dialogs &dialogs_;
};

// The skin file's text; a file that cannot be read reads as an empty text, which is
// no skin.
std::string readSkinFile(const QString &path);
// What a file that is no skin is answered with.
QString notASkinMessage();
// The whole load without a window; what went wrong went to the dialogs.
LoadOutcome loadPages(const QString &path, EditorDocument &document, PageScenes &scenes,
                      Dialogs &dialogs);
