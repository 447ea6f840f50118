// The readers of a skin on arbitrary text: the profile reader, the pair reader, the
// value readers of the skin format and the code page. None may crash; names match
// with ASCII letters folded; a value never spans lines; numbers read as the decimal
// they spell; the code page gives back every byte it decoded. The profile reader
// answers alike from a text and from its lines, and a section reads the same
// whatever was asked before it.

#include "fuzz/FuzzSupport.h"
#include "ini/FileBytes.h"
#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "ini/TextRules.h"
#include "ini/Windows1252.h"
#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace {

struct Names {
    std::vector<std::string> sections{"dlg_main", "player_view", "btn_play", "btn_wizard", ""};
    std::vector<std::string> keys{"position", "size", "bitmap_up", "bitmap0", "height", ""};
};

// The text's own sections and keys as either reader might cut them, and whole lines.
Names namesOf(const std::vector<std::string> &lines)
{
    Names names;
    for (const std::string &line : lines) {
        const std::size_t open = line.find('[');
        if (open != std::string::npos)
            names.sections.push_back(line.substr(open + 1, line.find(']', open) - open - 1));
        names.keys.push_back(line.substr(0, line.find('=')));
        names.sections.push_back(line);
        names.keys.push_back(line);
    }
    return names;
}

// What a signed 32-bit decimal means, worked out another way than the reader does.
std::optional<std::int32_t> decimalValue(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size() - 1));
    if (text.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void checkNumber(std::string_view text)
{
    require(parseInt32(text) == decimalValue(text), "a number reads as another value");
}

void checkValue(const ProfileReader &reader, const std::string &section, const std::string &key)
{
    const std::string value = reader.readString(section, key, "\n");
    require(value == "\n" || value.find_first_of("\r\n") == std::string::npos,
            "a value spans lines");
    require(reader.readString(asciiUpper(section), asciiUpper(key), "\n") == value,
            "a value depends on the case of its names");
    require(reader.hasSection(asciiUpper(section)) == reader.hasSection(section),
            "a section depends on the case of its name");
    checkNumber(value);
    require(readInteger(reader, section, key) == parseInt32(value).value_or(0),
            "an integer value reads differently from its text");
    readFileName(reader, section, key);
}

// Every reader of the same text, each with its own history of questions.
struct Readers {
    const ProfileReader &text;
    const ProfileReader &lines;
    // The text cut at arbitrary points, so that lines hold line breaks, beside the
    // text those pieces join to.
    const ProfileReader &pieces;
    const ProfileReader &joinedPieces;
    std::string_view bytes;
};

void checkSameAnswers(const Readers &readers, const std::string &section, const std::string &key)
{
    const std::string value = readers.text.readString(section, key, "\n");
    const bool exists = readers.text.hasSection(section);
    require(readers.lines.readString(section, key, "\n") == value &&
                readers.lines.hasSection(section) == exists,
            "the lines of a text read differently from the text");
    require(readers.pieces.readString(section, key, "\n") ==
                    readers.joinedPieces.readString(section, key, "\n") &&
                readers.pieces.hasSection(section) == readers.joinedPieces.hasSection(section),
            "lines holding line breaks read differently from their joined text");
    const ProfileReader fresh(readers.bytes);
    require(fresh.hasSection(section) == exists && fresh.readString(section, key, "\n") == value,
            "a section reads differently after other sections were read");
}

std::vector<std::string> piecesOf(std::string_view text)
{
    const std::size_t width = 1 + text.size() % 29;
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size(); at += width)
        pieces.emplace_back(text.substr(at, width));
    return pieces;
}

void checkPairs(const PairReader &pairs, const std::string &section, const std::string &key)
{
    readPair(pairs, section, key);
    readPosition(pairs, section, key);
    readCommentedPair(pairs, section, key);
    for (const std::string &text :
         {pairs.ReadFirst(section, key, "?"), pairs.ReadSecond(section, key, "?"),
          pairs.ReadSecondBeforeComment(section, key, "?"),
          pairs.ReadSecondBeforeZeros(section, key, "?")})
        checkNumber(text);
}

void checkCodePage(std::string_view bytes)
{
    require(encodeWindows1252(decodeWindows1252(bytes)) == bytes,
            "a byte does not survive the code page");
    // The same bytes taken as UTF-8, broken sequences included.
    require(encodeWindows1252(bytes).size() <= bytes.size(),
            "encoding made more bytes than characters");
}

void checkPath(std::string_view path)
{
    require(folderOf(path) + bareFileName(path) == path,
            "folder and file name do not make up the path");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The whole input is the text, so that every seed is a plain INI file; the lookups
    // are read from its last bytes as well, and the fuzzer tunes them with the text.
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    FuzzedDataProvider choices(data, size);
    const int lookups = choices.ConsumeIntegralInRange(0, 16);

    const ProfileReader reader(text);
    const std::vector<std::string> lines = splitLines(text);
    const ProfileReader fromLines(lines);
    const std::vector<std::string> pieces = piecesOf(text);
    const ProfileReader fromPieces(pieces);
    const ProfileReader fromJoinedPieces(joinLines(pieces));
    const Readers readers{reader, fromLines, fromPieces, fromJoinedPieces, text};
    const PairReader pairs({}, lines);
    targetVersionOf(reader);
    checkCodePage(text);
    const Names names = namesOf(lines);
    for (int i = 0; i < lookups; ++i) {
        const std::string &section = pick(choices, names.sections);
        const std::string &key = pick(choices, names.keys);
        checkValue(reader, section, key);
        checkSameAnswers(readers, section, key);
        checkPairs(pairs, section, key);
        checkPath(key);
        checkNumber(std::to_string(choices.ConsumeIntegral<std::int32_t>()));
    }
    for (const std::string &line : lines)
        checkNumber(trimControl(line.substr(line.find('=') + 1)));
    return 0;
}
