#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

class PageScenes;

// A page of the mock-up as a picture, one pixel per skin pixel, with the page's
// origin at the top-left corner.
struct PagePicture {
    QString fileName; // "player.png", ...
    QImage image;
};

// The three element pages and the "Player-Sicht" page as the editor shows them,
// without tabs, window or selection; each reaches as far as what it shows.
std::vector<PagePicture> renderPages(const PageScenes &scenes);

// The files renderPages names, in its order.
QStringList pageFileNames();
