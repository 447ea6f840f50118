#pragma once

#include "platform/PictureLoader.h"

#include <vector>

struct LoadedSkin;

// Decodes every picture a loaded skin names, relative to its folder, in the order of
// skin.pictures. A skin often names one bitmap for several elements: a name given
// twice is decoded once.
std::vector<LoadedPicture> decodePictures(const LoadedSkin &skin);
