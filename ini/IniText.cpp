#include "ini/IniText.h"

#include "ini/FileBytes.h"
#include "ini/IniIndex.h"
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
    ReplaceRules rules;
    rules.makeWritable = ResetAttributes;
    rules.followLink = FollowLink;
    lastWriteError_ = replaceFileAtomically(FileName, joinLines(Lines), rules);
    if (!lastWriteError_)
        pending_ = false;
}

void IniText::ReplaceLines(std::vector<std::string> lines)
{
    Lines = std::move(lines);
    index_.reset();
    pending_ = true;
}

void IniText::LinesChanged()
{
    index_.reset();
}

std::string IniText::FirstSectionsText(const std::vector<std::string_view> &sections) const
{
    const IniIndex &lines = index();
    std::string text;
    for (std::string_view section : sections) {
        const auto [start, end] = lines.firstBlock(section);
        for (std::size_t line = start; line < end; ++line)
            text.append(Lines[line]).append("\r\n");
    }
    return text;
}

void IniText::BeginChanges()
{
    noting_ = true;
    changes_.clear();
}

void IniText::RevertChanges()
{
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        if (change->before)
            Lines[change->line] = std::move(*change->before);
        else
            Lines.erase(Lines.begin() + static_cast<std::ptrdiff_t>(change->line));
    }
    changes_.clear();
    noting_ = false;
    index_.reset();
    pending_ = false;
}

IniIndex &IniText::index() const
{
    if (!index_ || !index_->fits(Lines))
        index_ = std::make_unique<IniIndex>(Lines);
    return *index_;
}

std::optional<std::size_t> IniText::FindKeyLine(std::string_view section,
                                                std::string_view ident) const
{
    return index().find(Lines, section, ident);
}

void IniText::PutLine(std::string_view section, std::string_view ident, std::string_view valuePart)
{
    pending_ = true;
    IniIndex &lines = index();
    const IniIndex::Put put = lines.put(Lines, section, ident);
    switch (put.edit) {
    case IniIndex::Edit::Replace: {
        // The key keeps its own spelling; indentation and any comment are dropped.
        // The line mostly stays a key line of that key, so the index holds as it is;
        // a key beginning with "[" that only a control byte kept from being a header
        // becomes one, and the blocks below change.
        const IniLine line = IniLine::classify(Lines[put.line]);
        std::string replacement = keyLine(line.writtenKey(), valuePart);
        if (noting_)
            changes_.push_back({put.line, std::move(Lines[put.line])});
        Lines[put.line] = std::move(replacement);
        if (IniLine::classify(Lines[put.line]).kind != IniLine::Key) {
            index_.reset();
            return;
        }
        IniIndex::replaced(put);
        break;
    }
    case IniIndex::Edit::Insert:
        Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(put.line),
                     keyLine(ident, valuePart));
        if (noting_)
            changes_.push_back({put.line, std::nullopt});
        if (!lines.added(put.block, Lines[put.line])) {
            index_.reset();
            return;
        }
        break;
    case IniIndex::Edit::NewSection:
        Lines.push_back(std::string("[").append(trimControl(section)).append("]"));
        lines.added(lines.lastBlock(), Lines.back());
        Lines.push_back(keyLine(ident, valuePart));
        lines.added(lines.lastBlock(), Lines.back());
        if (noting_)
            changes_.insert(changes_.end(),
                            {{Lines.size() - 2, std::nullopt}, {Lines.size() - 1, std::nullopt}});
        break;
    }
    lines.follow(Lines);
}
