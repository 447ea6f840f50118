// Writes the demo skins of examples/, one per player version, with artwork that is
// drawn here. The output is committed; after a change, regenerate it with
//
//   cmake --build build/default --target velmor_make_demo_skins
//   build/default/tools/velmor_make_demo_skins examples
//
// Existing files of the same names are overwritten; files it no longer writes are
// left alone, so delete the two skin folders first when names change.

#include "skin/Catalogue.h"
#include "tools/DemoArtwork.h"
#include "tools/DemoLayout.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <map>

namespace {

struct DemoSkin {
    QString folder;
    QString fileName;
    Theme theme;
    bool version15;
    // "key = 1, 2" in one skin and "key=1,2" in the other: the player reads both,
    // and the demos show it.
    bool spaced;
};

std::vector<DemoSkin> demoSkins()
{
    return {
        {QStringLiteral("nachtblau-14"), QStringLiteral("nachtblau.lkv"), nightBlueTheme(), false,
         true},
        {QStringLiteral("sonnengelb-15"), QStringLiteral("sonnengelb.lkv"), sunYellowTheme(), true,
         false},
    };
}

// Colours of the copied keys are written as the player's own files hold them: a
// decimal number with red in the lowest byte.
QByteArray colourRef(const QColor &colour)
{
    return QByteArray::number(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

QString stateSuffix(StateBitmap state)
{
    switch (state) {
    case StateBitmap::Up:
        return QStringLiteral("up");
    case StateBitmap::Do:
        return QStringLiteral("do");
    case StateBitmap::Mo:
        return QStringLiteral("mo");
    case StateBitmap::Da:
        return QStringLiteral("da");
    }
    return {};
}

QByteArray latin1(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

class DemoSkinWriter {
public:
    DemoSkinWriter(const DemoSkin &skin, const QDir &folder) : skin_(skin), folder_(folder) {}

    bool write()
    {
        writeHeader();
        writeMainDialog();
        writePlayerView();
        writeList("schedule_list", Page::Schedule);
        writeList("description_list", Page::Description);
        writeElements();
        writeTrayIcon();
        if (!ok_)
            return false;
        QFile file(folder_.filePath(skin_.fileName));
        // Skins are Windows files: CR LF after every line, the last one included.
        const QByteArray text = lines_.join("\r\n") + "\r\n";
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text) != text.size())
            return fail(file.fileName());
        return true;
    }

private:
    const DemoSkin &skin_;
    QDir folder_;
    QByteArrayList lines_;
    bool ok_ = true;

    bool fail(const QString &path)
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
        ok_ = false;
        return false;
    }

    void comment(const QString &text) { lines_.append("// " + text.toLatin1()); }
    // A blank line, the comment if any, then the header.
    void section(std::string_view name, const QString &note = {})
    {
        lines_.append("");
        if (!note.isEmpty())
            comment(note);
        lines_.append("[" + latin1(name) + "]");
    }
    void key(QByteArrayView name, const QByteArray &value)
    {
        const QByteArray separator = skin_.spaced ? (value.isEmpty() ? " =" : " = ") : "=";
        lines_.append(name.toByteArray() + separator + value);
    }
    QByteArray pair(int x, int y) const
    {
        return QByteArray::number(x) + (skin_.spaced ? ", " : ",") + QByteArray::number(y);
    }
    QByteArray position(int x, int y) const { return pair(x, y) + ", 0, 0"; }

    // Saves the picture and returns the name the skin gives it. Sixteen colours carry
    // our flat, bevelled style well and halve the bytes of a 256-colour bitmap.
    QByteArray bitmap(const QString &name, const QImage &image)
    {
        if (!saveIndexedBmp(image, folder_.filePath(name), 16))
            fail(folder_.filePath(name));
        return name.toLatin1();
    }

    void writeHeader()
    {
        const QString version = skin_.version15 ? QStringLiteral("1.5") : QStringLiteral("1.4");
        lines_.append("PP_LKV = " + skin_.theme.name.toLatin1());
        comment(QStringLiteral("%1 - Demo-Skin für Orvana one %2").arg(skin_.theme.name, version));
        comment(QStringLiteral("Erzeugt von velmor_make_demo_skins; alle Bilder sind eigene "
                               "Zeichnungen von Velmor."));
        comment(QStringLiteral("Kommentare und unbekannte Abschnitte bleiben beim Speichern "
                               "erhalten."));
    }

    void writeMainDialog()
    {
        const Bands bands = pageBands();
        const auto background = [&](Page page, const char *name) {
            return bitmap(
                QString::fromLatin1(name),
                paintPageBackground(skin_.theme, page, pageSize, bands, skin_.theme.name));
        };
        section("dlg_main");
        key("bitmap0", background(Page::Schedule, "bg_schedule.bmp"));
        key("bitmap1", background(Page::Player, "bg_player.bmp"));
        key("bitmap2", background(Page::Description, "bg_description.bmp"));
        for (const char *offset : {"bmp_offset0", "bmp_offset1", "bmp_offset2"})
            key(offset, "0");
        for (const char *region : {"region0", "region1", "region2"})
            key(region, "");

        // The file keeps the list place as the difference of two points; the 1.5
        // player reads its numbers only up to the comments, which it expects.
        const QRect list = listRect;
        if (skin_.version15) {
            comment(QStringLiteral("Listen: Ort ist position_m minus position_g, Breite aus "
                                   "size_g, Höhe aus size_m"));
            key("position_m",
                pair(list.left() + 140, list.top() + 50) + " // anfangsposition von body unten");
            key("position_g", pair(140, 50) + "  // anfangspos von body oben");
            key("size_m", pair(310, list.height()));
            key("size_g", pair(list.width(), 240));
        } else {
            comment(
                QStringLiteral("Listen: Ort ist position_m minus position_g, Größe aus size_m"));
            key("position_m", pair(list.left() + 100, list.top() + 50));
            key("position_g", pair(100, 50));
            key("size_m", pair(list.width(), list.height()));
            key("size_g", pair(list.width() + 1, list.height() + 36));
        }
    }

    void writePlayerView()
    {
        const Theme &t = skin_.theme;
        section("player_view");
        key("height", QByteArray::number(playerListHeight));
        key("bitmap_left",
            bitmap("pv_left.bmp", paintMenuPiece(t, MenuPiece::Left, playerListHeight)));
        key("bitmap_center",
            bitmap("pv_center.bmp", paintMenuPiece(t, MenuPiece::Center, playerListHeight)));
        key("bitmap_right",
            bitmap("pv_right.bmp", paintMenuPiece(t, MenuPiece::Right, playerListHeight)));
        const std::pair<Quality, const char *> qualities[] = {{Quality::Valid, "valid"},
                                                              {Quality::Partvalid, "partvalid"},
                                                              {Quality::Invalid, "invalid"}};
        const std::pair<BarPiece, const char *> pieces[] = {
            {BarPiece::Start, "start"}, {BarPiece::Middle, "middle"}, {BarPiece::End, "end"}};
        for (const auto &[quality, qualityName] : qualities) {
            for (const auto &[piece, pieceName] : pieces) {
                const QString name = QStringLiteral("%1_%2").arg(QLatin1String(qualityName),
                                                                 QLatin1String(pieceName));
                key(("bitmap_" + name).toLatin1(),
                    bitmap("pv_" + name + ".bmp", paintQualityPiece(t, quality, piece)));
            }
        }
        key("bitmap_stream", bitmap("pv_stream.bmp", paintStreamPicture(t)));
        key("bitmap_curpos", bitmap("pv_curpos.bmp", paintCurposMarker(t, playerListHeight)));

        const int axis = playerListHeight - 20;
        key("color_transparent", colourRef(QColor::fromRgb(curposTransparent)));
        key("color_axis", colourRef(t.screenGrid.lighter(170)));
        key("y_pos_axis_line", QByteArray::number(axis));
        key("font_axis", "Tahoma,7,0");
        key("color_font_axis", colourRef(t.screenGrid.lighter(200)));
        key("y_pos_axis_text", QByteArray::number(axis + 4));
        key("font_position", "Tahoma,8,1");
        key("color_font_position", colourRef(t.highlight));
        key("y_pos_current", "22");
        key("color_waveform", colourRef(t.highlight.darker(120)));
        key("color_mark_rect", colourRef(t.accent[static_cast<int>(Page::Description)]));
        key("y_pos_marks", "24");
        key("y_size_marks", QByteArray::number(axis - 28));
        key("font_track_info", "Tahoma,8,0");
        key("axis_timemark_small", "3");
        key("axis_timemark_middle", "6");
        key("axis_timemark_big", "10");
    }

    void writeList(std::string_view name, Page page)
    {
        const QString prefix = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))
                                   .section(QLatin1Char('_'), 0, 0);
        section(name);
        key("bitmap_hd", bitmap(prefix + "_hd.bmp", paintListHeader(skin_.theme, page)));
        key("bitmap_bg", bitmap(prefix + "_bg.bmp", paintListTile(skin_.theme, page)));
        key("color_fg", colourRef(skin_.theme.listText));
        key("font", "Tahoma,8,0");
        key("imagelist", "0");
    }

    void writeElements()
    {
        static const std::map<int, QString> groups{
            {5, QStringLiteral("Obere Leiste: Seitenwahl, Fenster, freie Tasten")},
            {14, QStringLiteral("Obere Leiste: Streams und Aufnahme")},
            {26, QStringLiteral("Zeitplan")},
            {29, QStringLiteral("Wiedergabe")},
            {31, QStringLiteral("Wellenform: Zoom und Marken")},
            {46, QStringLiteral("Beschreibungen")},
            {49, QStringLiteral("Web-Seiten")},
        };
        for (const CatalogueEntry &entry : catalogue()) {
            if (entry.rule == VersionRule::OnlyFor15 && !skin_.version15)
                continue;
            const auto group = groups.find(entry.number);
            section(entry.section, group == groups.end() ? QString() : group->second);
            const ElementPlace &place = placeOf(entry.number);
            const QRect r = place.rect;
            key("position", position(r.x(), r.y()));
            key("size", pair(r.width(), r.height()));
            if (entry.kind == ElementKind::StreamCombo) {
                key("font", "Tahoma,8,1");
                key("font_color", colourRef(skin_.theme.text));
                continue;
            }
            const QString stem = QString::fromLatin1(entry.section.data(),
                                                     static_cast<qsizetype>(entry.section.size()))
                                     .toLower();
            for (StateBitmap state : allStates) {
                if (!entry.hasState(state))
                    continue;
                const QString name = stem + "_" + stateSuffix(state) + ".bmp";
                key(stateKey(state),
                    bitmap(name, paintButton(skin_.theme, place.look, r.size(), state)));
            }
            key("font_color_up", colourRef(skin_.theme.text));
            key("font_color_do", colourRef(skin_.theme.highlightText));
            key("font", "Tahoma,8,1");
            key("mouseover", "1");
        }
    }

    void writeTrayIcon()
    {
        section("tray_icon",
                QStringLiteral("Der Editor liest diesen Abschnitt nicht; er bleibt, wie er ist."));
        key("show", "1");
        key("tooltip", skin_.theme.name.toLatin1() + " - Orvana one");
        key("blink_on_record", "1");
    }
};

} // namespace

int main(int argc, char **argv)
{
    // Only pictures are drawn, never a window, so no display is needed anywhere.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: velmor_make_demo_skins <output folder>\n");
        return 2;
    }
    const QDir output(arguments.at(1));
    for (const DemoSkin &skin : demoSkins()) {
        if (!output.mkpath(skin.folder)) {
            std::fprintf(stderr, "cannot create %s\n",
                         qPrintable(QDir::toNativeSeparators(output.filePath(skin.folder))));
            return 1;
        }
        DemoSkinWriter writer(skin, QDir(output.filePath(skin.folder)));
        if (!writer.write())
            return 1;
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(
                                output.filePath(skin.folder + "/" + skin.fileName))));
    }
    return 0;
}
