// Edits of arbitrary INI text through the skin writer. Whatever the text, an edit may
// replace one key line in place or add lines; every other line must be written back
// byte for byte and in its order, and a pair written under plain names must read back.

#include "fuzz/FuzzSupport.h"
#include "ini/FileBytes.h"
#include "ini/IniLine.h"
#include "ini/PairReader.h"
#include "ini/SkinWriter.h"
#include "skin/SkinFormat.h"

#include <algorithm>
#include <optional>

namespace {

// For each line of the text being edited: the index of the original line it still is,
// or nothing for a line an edit wrote.
using Origins = std::vector<std::optional<std::size_t>>;

enum class Operation { Value, Pair, PairZeros };

struct Edit {
    Operation operation;
    std::string section;
    std::string ident;
    std::string a;
    std::string b;

    std::string valuePart() const
    {
        switch (operation) {
        case Operation::Value:
            return a;
        case Operation::Pair:
            return a + "," + b;
        case Operation::PairZeros:
            return a + "," + b + ", 0, 0";
        }
        return {};
    }
};

struct Names {
    std::vector<std::string> sections{"dlg_main", "", "new section"};
    std::vector<std::string> keys{"position", "size", "k"};
    std::vector<std::string> values{"", " padded ", "a,b // c", "1\r\n[injected]", "-2147483648"};
};

// Edits aim at the text's own sections and keys, so that most of them hit existing
// lines; whole lines serve as names and values too, to bring in brackets, blanks,
// "=" and control bytes.
Names namesOf(const std::vector<std::string> &lines)
{
    Names names;
    for (const std::string &text : lines) {
        const IniLine line = IniLine::classify(text);
        if (line.kind == IniLine::Header)
            names.sections.emplace_back(line.name);
        else if (line.kind == IniLine::Key)
            names.keys.emplace_back(line.writtenKey());
        names.values.push_back(text);
    }
    names.sections.insert(names.sections.end(), names.values.begin(), names.values.end());
    names.keys.insert(names.keys.end(), names.values.begin(), names.values.end());
    return names;
}

std::string valueOf(FuzzedDataProvider &input, const Names &names)
{
    if (input.ConsumeBool())
        return std::to_string(input.ConsumeIntegral<std::int32_t>());
    return pick(input, names.values);
}

Edit editOf(FuzzedDataProvider &input, const Names &names)
{
    Edit edit;
    edit.operation = static_cast<Operation>(input.ConsumeIntegralInRange(0, 2));
    edit.section = pick(input, names.sections);
    edit.ident = pick(input, names.keys);
    edit.a = valueOf(input, names);
    edit.b = valueOf(input, names);
    return edit;
}

void apply(SkinWriter &ini, const Edit &edit)
{
    switch (edit.operation) {
    case Operation::Value:
        ini.PutValue(edit.section, edit.ident, edit.a);
        break;
    case Operation::Pair:
        ini.PutPair(edit.section, edit.ident, edit.a, edit.b);
        break;
    case Operation::PairZeros:
        ini.PutPairZeros(edit.section, edit.ident, edit.a, edit.b);
        break;
    }
}

// The edit replaced at most one line, by its key's own spelling and the new value; the
// old line was a key line of the wanted name.
void checkReplaced(const std::vector<std::string> &before, const std::vector<std::string> &after,
                   const Edit &edit, Origins &origins)
{
    std::optional<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i])
            continue;
        require(!changed, "an edit replaced two lines");
        changed = i;
    }
    if (!changed)
        return;
    const IniLine old = IniLine::classify(before[*changed]);
    require(old.kind == IniLine::Key && old.matchesForWriting(edit.ident),
            "an edit replaced a line that is not the key's");
    require(after[*changed] == std::string(old.writtenKey()) + "=" + edit.valuePart(),
            "a replaced line does not hold the new value");
    origins[*changed].reset();
}

// The edit inserted the key line somewhere, everything else kept its order.
void checkInserted(const std::vector<std::string> &before, const std::vector<std::string> &after,
                   const Edit &edit, Origins &origins)
{
    std::size_t at = 0;
    while (at < before.size() && before[at] == after[at])
        ++at;
    require(std::equal(before.begin() + static_cast<std::ptrdiff_t>(at), before.end(),
                       after.begin() + static_cast<std::ptrdiff_t>(at) + 1),
            "an insertion changed a line after it");
    require(after[at] == edit.ident + "=" + edit.valuePart(), "an inserted line is not the key's");
    origins.insert(origins.begin() + static_cast<std::ptrdiff_t>(at), std::nullopt);
}

// The edit appended its section and the key line at the end.
void checkAppended(const std::vector<std::string> &before, const std::vector<std::string> &after,
                   const Edit &edit, Origins &origins)
{
    require(std::equal(before.begin(), before.end(), after.begin()),
            "appending a section changed a line");
    require(after[before.size()] == "[" + std::string(trimControl(edit.section)) + "]",
            "an appended header is not the section's");
    require(after[before.size() + 1] == edit.ident + "=" + edit.valuePart(),
            "an appended line is not the key's");
    origins.resize(after.size());
}

// Names the line scan reads back as written: no blanks or control bytes at the ends,
// no "]" in a section, and a key that cannot pass for a header and holds none of the
// marks the pair reader cuts at.
bool plainNames(const Edit &edit)
{
    const auto plain = [](std::string_view name) { return trimControl(name) == name; };
    return plain(edit.section) && plain(edit.ident) && !edit.ident.empty() &&
           edit.ident.front() != '[' && edit.ident.find_first_of("=,") == std::string::npos &&
           edit.section.find(']') == std::string::npos;
}

void checkReadBack(const std::vector<std::string> &lines, const Edit &edit)
{
    const std::optional<std::int32_t> x = parseInt32(edit.a);
    const std::optional<std::int32_t> y = parseInt32(edit.b);
    if (edit.operation == Operation::Value || !x || !y || !plainNames(edit))
        return;
    const PairReader reader({}, lines);
    const IntPair read = edit.operation == Operation::Pair
                             ? readPair(reader, edit.section, edit.ident)
                             : readPosition(reader, edit.section, edit.ident);
    if (read != IntPair{*x, *y})
        std::fprintf(stderr, "section \"%s\", key \"%s\": wrote %d,%d, read %d,%d\n",
                     edit.section.c_str(), edit.ident.c_str(), *x, *y, read.x, read.y);
    require(read == IntPair{*x, *y}, "a written pair does not read back");
}

void applyChecked(SkinWriter &ini, const Edit &edit, Origins &origins)
{
    const std::vector<std::string> before = ini.Lines;
    apply(ini, edit);
    const std::vector<std::string> &after = ini.Lines;
    switch (after.size() - before.size()) {
    case 0:
        checkReplaced(before, after, edit, origins);
        break;
    case 1:
        checkInserted(before, after, edit, origins);
        break;
    case 2:
        checkAppended(before, after, edit, origins);
        break;
    default:
        require(false, "an edit removed lines or added more than two");
    }
    checkReadBack(after, edit);
}

// The written text, split again, still holds every untouched line, in its order.
void checkUntouchedSurvive(const std::vector<std::string> &original,
                           const std::vector<std::string> &edited, const Origins &origins,
                           const std::string &written)
{
    std::size_t previous = 0;
    bool first = true;
    for (std::size_t i = 0; i < edited.size(); ++i) {
        if (!origins[i])
            continue;
        require(first || *origins[i] > previous, "untouched lines changed their order");
        require(edited[i] == original[*origins[i]], "an untouched line changed");
        previous = *origins[i];
        first = false;
    }
    const std::vector<std::string> reread = splitLines(written);
    std::size_t next = 0;
    for (std::size_t i = 0; i < edited.size(); ++i) {
        if (!origins[i])
            continue;
        while (next < reread.size() && reread[next] != edited[i])
            ++next;
        require(next < reread.size(), "an untouched line is missing from the written text");
        ++next;
    }
}

std::string writtenText(SkinWriter &ini, bool throughFile)
{
    if (!throughFile) {
        ini.DiscardChanges();
        return joinLines(ini.Lines);
    }
    ini.FileName = scratchFolder().file("edited.lkv");
    ini.UpdateFile();
    require(ini.LastWriteSucceeded(), "the edited text could not be written");
    const std::optional<std::string> bytes = readFileBytes(ini.FileName);
    require(bytes && *bytes == joinLines(ini.Lines), "the file does not hold the joined lines");
    return *bytes;
}

// Edits noted since BeginChanges are taken back line for line, and the index follows:
// the next edit lands where it would have without them.
void takeBackSomeEdits(SkinWriter &ini, FuzzedDataProvider &choices, const Names &names,
                       Origins &origins)
{
    const int editCount = choices.ConsumeIntegralInRange(0, 4);
    if (editCount == 0)
        return;
    const std::vector<std::string> before = ini.Lines;
    ini.BeginChanges();
    Origins discarded = origins;
    for (int i = 0; i < editCount; ++i)
        applyChecked(ini, editOf(choices, names), discarded);
    ini.RevertChanges();
    require(ini.Lines == before, "taking the edits back did not restore the text");
    applyChecked(ini, editOf(choices, names), origins);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The whole input is the text, so that every seed is a plain INI file; the edits
    // are read from its last bytes as well, and the fuzzer tunes them with the text.
    const std::vector<std::string> original =
        splitLines(std::string_view(reinterpret_cast<const char *>(data), size));
    FuzzedDataProvider choices(data, size);
    const int editCount = choices.ConsumeIntegralInRange(0, 8);
    const bool throughFile = choices.ConsumeIntegralInRange(0, 15) == 0;
    const Names names = namesOf(original);
    SkinWriter ini({}, original);
    Origins origins(original.size());
    for (std::size_t i = 0; i < origins.size(); ++i)
        origins[i] = i;
    for (int i = 0; i < editCount; ++i)
        applyChecked(ini, editOf(choices, names), origins);
    takeBackSomeEdits(ini, choices, names, origins);
    checkUntouchedSurvive(original, ini.Lines, origins, writtenText(ini, throughFile));
    return 0;
}
