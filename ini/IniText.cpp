#include "ini/IniText.h"

#include "ini/FileBytes.h"
#include "ini/IniLine.h"

namespace {

std::string keyLine(std::string_view key, std::string_view valuePart)
{
    std::string line;
    line.reserve(key.size() + 1 + valuePart.size());
    line.append(key).append("=").append(valuePart);
    return line;
}

} // namespace

IniText::IniText(std::string fileName) : FileName(std::move(fileName))
{
    if (std::optional<std::string> bytes = readFileBytes(FileName))
        Lines = splitLines(*bytes);
}

IniText::IniText(std::string fileName, std::vector<std::string> lines)
    : FileName(std::move(fileName)), Lines(std::move(lines))
{}

IniText::~IniText()
{
    if (pending_)
        UpdateFile();
}

void IniText::UpdateFile()
{
    lastWriteSucceeded_ = replaceFileAtomically(FileName, joinLines(Lines), ResetAttributes);
    if (lastWriteSucceeded_)
        pending_ = false;
}

void IniText::ReplaceLines(std::vector<std::string> lines)
{
    Lines = std::move(lines);
    pending_ = true;
}

std::optional<std::size_t> IniText::FindKeyLine(std::string_view section,
                                                std::string_view ident) const
{
    bool inSection = false;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const IniLine line = IniLine::classify(Lines[i]);
        if (line.kind == IniLine::Header)
            inSection = line.matches(section);
        else if (line.kind == IniLine::Key && inSection && line.matches(ident))
            return i;
    }
    return std::nullopt;
}

void IniText::PutLine(std::string_view section, std::string_view ident, std::string_view valuePart)
{
    pending_ = true;
    const std::string newLine = keyLine(ident, valuePart);
    bool inSection = false;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const IniLine line = IniLine::classify(Lines[i]);
        if (line.kind == IniLine::Header) {
            if (line.matches(section)) {
                inSection = true;
            } else if (inSection) {
                Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(i), newLine);
                return;
            }
        } else if (line.kind == IniLine::Key && inSection && line.matches(ident)) {
            // The key keeps its own spelling; indentation and any comment are dropped.
            Lines[i] = keyLine(line.name, valuePart);
            return;
        }
    }
    if (!inSection)
        Lines.push_back(std::string("[").append(trimControl(section)).append("]"));
    Lines.push_back(newLine);
}
