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

// The three element pages and the "Player-Sicht" page.
inline constexpr std::size_t pageCount = 4;

// One of them as the editor shows it, without tabs, window or selection; it covers the
// page's own area (see PageScene::shownArea).
PagePicture renderPage(const PageScenes &scenes, std::size_t index);
// All of them, in the order of their index.
std::vector<PagePicture> renderPages(const PageScenes &scenes);

// The files renderPages names, in its order.
QStringList pageFileNames();
