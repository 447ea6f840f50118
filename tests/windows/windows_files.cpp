// What the format library meets on Windows and nowhere else: the read-only attribute,
// a file held open by another program, names that match whatever their case, UTF-16
// file names and "\" in paths. Plain C++ without QtTest, so that it runs wherever the
// library alone is built; the cross build runs it under Wine.

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include "ini/FileBytes.h"
#include "ini/ProfileReader.h"
#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLoad.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>
#include <windows.h>

namespace fs = std::filesystem;

namespace {

int failedChecks = 0;

void check(bool holds, const char *what, int line)
{
    if (holds)
        return;
    std::fprintf(stderr, "windows_files.cpp:%d: check failed: %s\n", line, what);
    ++failedChecks;
}
#define CHECK(condition) check((condition), #condition, __LINE__)

std::string utf8Of(const fs::path &path)
{
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

void setReadOnly(const std::string &path, bool readOnly)
{
    SetFileAttributesW(pathFromUtf8(path).c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

bool isReadOnly(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(pathFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

void writeFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder per case. Windows deletes no read-only file, so the attribute goes
// first.
class Folder {
public:
    Folder()
        : path_(fs::temp_directory_path() /
                ("velmor-windows-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code error;
        for (const fs::directory_entry &entry : fs::recursive_directory_iterator(path_, error))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(path_, error);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    // UTF-8, as the program passes paths on, with Windows' own separator.
    std::string file(const std::string &name) const { return utf8Of(path_) + "\\" + name; }

    // Every name in the folder: a failed or finished replace must leave no temporary
    // file behind.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const fs::directory_entry &entry : fs::directory_iterator(path_))
            found.push_back(utf8Of(entry.path().filename()));
        std::sort(found.begin(), found.end());
        return found;
    }

    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

using Names = std::vector<std::string>;

bool replaced(const std::string &path, std::string_view bytes, bool makeWritable)
{
    ReplaceRules rules;
    rules.makeWritable = makeWritable;
    return !replaceFileAtomically(path, bytes, rules);
}

void readOnlySkinIsReplacedAndMadeWritable()
{
    Folder folder;
    const std::string skin = folder.file("blau.lkv");
    writeFile(pathFromUtf8(skin), "alt");
    setReadOnly(skin, true);
    CHECK(isReadOnly(skin));

    CHECK(replaced(skin, "neu", true));
    CHECK(readFileBytes(skin) == "neu");
    CHECK(!isReadOnly(skin));
    CHECK(folder.names() == Names{"blau.lkv"});
}

// Another program that opened the skin without letting others delete it keeps Windows
// from replacing it; the save must fail cleanly, the skin as it was, attribute and all,
// and no temporary file left behind, even one that took on the read-only attribute.
void skinHeldOpenElsewhereIsLeftWhole()
{
    struct Variant {
        bool readOnly;
        bool makeWritable;
    };
    for (const Variant variant :
         {Variant{false, true}, Variant{true, true}, Variant{true, false}}) {
        Folder folder;
        const std::string skin = folder.file("blau.lkv");
        writeFile(pathFromUtf8(skin), "alt");
        setReadOnly(skin, variant.readOnly);
        const HANDLE held = CreateFileW(pathFromUtf8(skin).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        CHECK(held != INVALID_HANDLE_VALUE);

        CHECK(!replaced(skin, "neu", variant.makeWritable));
        CloseHandle(held);
        CHECK(readFileBytes(skin) == "alt");
        CHECK(isReadOnly(skin) == variant.readOnly);
        CHECK(folder.names() == Names{"blau.lkv"});
    }
}

// Skins come from case-insensitive file systems: a save under another spelling of the
// name replaces the one file instead of adding a second.
void nameDifferingInCaseReplacesTheFile()
{
    Folder folder;
    writeFile(folder.path() / "Blau.LKV", "alt");

    CHECK(replaced(folder.file("blau.lkv"), "neu", true));
    CHECK(folder.names().size() == 1);
    CHECK(readFileBytes(folder.file("Blau.LKV")) == "neu");
}

void umlautPathIsWrittenUnderItsOwnName()
{
    Folder folder;
    const std::string tones = folder.file("Blaue T\xC3\xB6ne");
    fs::create_directories(pathFromUtf8(tones));
    const std::string skin = tones + "\\gr\xC3\xBCn.lkv";

    CHECK(replaced(skin, "[dlg_main]\r\nbitmap0=bg.bmp\r\n", true));
    // The UTF-16 name, not the UTF-8 bytes taken for the ANSI code page.
    CHECK(fs::is_regular_file(folder.path() / L"Blaue T\u00f6ne" / L"gr\u00fcn.lkv"));
    CHECK(ProfileReader::fromFile(skin).readString("dlg_main", "bitmap0", "") == "bg.bmp");
}

// Every section the skin test asks for, with a bitmap of btn_play named by a path
// relative to the skin, in Windows-1252 as skins are written.
std::string skinNaming(const std::string &playBitmap)
{
    std::string text;
    for (std::string_view section : requiredSections) {
        text += "[" + std::string(section) + "]\r\nposition=1,2, 0, 0\r\n";
        if (section == "btn_play")
            text += "bitmap_up=" + playBitmap + "\r\n";
    }
    return text;
}

void backslashPictureNamesOpenFromTheSkinFolder()
{
    Folder folder;
    const std::string skin = folder.file("blau.lkv");
    const LoadedSkin loaded = loadSkin(skin, skinNaming("bilder\\gr\xFCn_up.bmp"));
    CHECK(loaded.isSkin());
    const CatalogueEntry *play = findElementBySection("btn_play");
    CHECK(play != nullptr);
    if (!loaded.isSkin() || !play)
        return;

    const std::string nameUtf8 = "bilder\\gr\xC3\xBCn_up.bmp";
    const auto shown = std::find_if(loaded.pictures.begin(), loaded.pictures.end(),
                                    [&](const NamedPicture &p) { return p.element == play; });
    CHECK(shown != loaded.pictures.end() && shown->name == nameUtf8);
    const std::string &joined = loaded.document.element(*play).statePath(StateBitmap::Up);
    CHECK(joined == folder.file(nameUtf8));
    CHECK(bareFileName(joined) == "gr\xC3\xBCn_up.bmp");

    // The joined path opens as it stands, since "\" separates folders here.
    fs::create_directories(folder.path() / "bilder");
    writeFile(folder.path() / "bilder" / L"gr\u00fcn_up.bmp", "BM");
    CHECK(readFileBytes(joined) == "BM");
}

void skinPathsSplitAtBackslashesAndDrives()
{
    CHECK(folderOf("C:\\Skins\\Blue\\blue.lkv") == "C:\\Skins\\Blue\\");
    CHECK(bareFileName("C:\\Skins\\Blue\\blue.lkv") == "blue.lkv");
    CHECK(folderOf("C:blue.lkv") == "C:");
    CHECK(bareFileName("C:blue.lkv") == "blue.lkv");
    CHECK(folderOf("\\\\server\\skins\\blue.lkv") == "\\\\server\\skins\\");
    CHECK(folderOf("C:/Skins\\Blue/blue.lkv") == "C:/Skins\\Blue/");
}

} // namespace

int main()
{
    const std::vector<std::pair<const char *, std::function<void()>>> cases{
        {"readOnlySkinIsReplacedAndMadeWritable", readOnlySkinIsReplacedAndMadeWritable},
        {"skinHeldOpenElsewhereIsLeftWhole", skinHeldOpenElsewhereIsLeftWhole},
        {"nameDifferingInCaseReplacesTheFile", nameDifferingInCaseReplacesTheFile},
        {"umlautPathIsWrittenUnderItsOwnName", umlautPathIsWrittenUnderItsOwnName},
        {"backslashPictureNamesOpenFromTheSkinFolder", backslashPictureNamesOpenFromTheSkinFolder},
        {"skinPathsSplitAtBackslashesAndDrives", skinPathsSplitAtBackslashesAndDrives},
    };
    int passed = 0;
    for (const auto &[name, run] : cases) {
        const int before = failedChecks;
        run();
        const bool ok = failedChecks == before;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", name);
        passed += ok;
    }
    const int failed = static_cast<int>(cases.size()) - passed;
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
