#pragma once

#include "editor/Workspace.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class PictureLabel;
class ProfileReader;
class QMainWindow;
class TIniFile4;
enum class Graphic : std::uint8_t;

// Opens a skin into the window, step by step in the order the player's editor always
// has: a picture that cannot be loaded ends the load where it stands, leaving what the
// earlier steps did.
class SkinLoader {
public:
    SkinLoader(QMainWindow &window, const Workspace &workspace);

    void load(const QString &path);

private:
    void hideAndDisable();
    void accept(const std::string &version, const QString &path, const std::string &bytes);
    bool loadSkin(const ProfileReader &skin);
    bool loadBackgrounds(const ProfileReader &skin);
    void placeLists(const TIniFile4 &pairs, const ProfileReader &skin);
    bool loadPlayerView(const ProfileReader &skin);
    bool loadTrackLists(const ProfileReader &skin);
    bool loadElements(const ProfileReader &skin, const TIniFile4 &pairs);
    void finish();
    // Loads one of the skin's graphics into its picture (and mirror) and keeps its path.
    std::optional<QImage> loadGraphic(const ProfileReader &skin, Graphic graphic);
    // The named picture, relative to the skin folder; a failure goes to the error box.
    std::optional<QImage> readPicture(const std::string &name) const;

    QMainWindow &window_;
    Workspace workspace_;
};
