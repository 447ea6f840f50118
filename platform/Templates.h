#pragma once

#include <QString>

#include <string_view>

// The demo skins new skins start from, one per player version. They lie in "templates"
// beside the program in the build tree, and in share/velmor/templates when installed.
QString defaultTemplateFolder();

// The template's skin file for the player version, or "" when it is not there.
QString templateSkin(const QString &folder, std::string_view version);
