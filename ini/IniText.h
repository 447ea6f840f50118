#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

class IniIndex;

// The common core of the INI text classes: the whole file as a list of byte lines,
// the line scan that finds sections and keys, and the write-back. Lines that no
// operation replaces are written back byte for byte; only their ends become CR LF.
//
// Finding a key answers as a scan of Lines from the top would, but through an index
// that one pass over Lines builds on the first lookup and every later change made
// through this class keeps up to date, so that a save of a large skin stays linear.
// Lines is open to callers. The index notices when its length changes or another
// vector is moved into it, and then builds itself anew; after any other direct change
// (a line rewritten in place, a text of the same length copied in) the caller must
// call LinesChanged().
class IniText {
public:
    virtual ~IniText();
    IniText(const IniText &) = delete;
    IniText &operator=(const IniText &) = delete;

    // Replaces the file with Lines, each followed by CR LF. A failure is swallowed,
    // but LastWriteSucceeded() tells a caller that wants to know, and LastWriteError()
    // why.
    void UpdateFile();
    bool LastWriteSucceeded() const { return !lastWriteError_; }
    std::error_code LastWriteError() const { return lastWriteError_; }

    // Takes over a whole text, to be written by the next UpdateFile or on release.
    void ReplaceLines(std::vector<std::string> lines);
    // Keeps Lines but no longer writes them on release: a caller that has reported a
    // failed write must not have the file change behind its back afterwards.
    void DiscardChanges() { pending_ = false; }

    // Lines were changed directly in a way the index cannot see (see above). Like any
    // direct change of Lines, this is no change that release would write.
    void LinesChanged();

    // The first section of each given name, header line included, as one text: all a
    // reader that answers like the profile functions needs of those sections, without
    // going through the rest of a large text.
    std::string FirstSectionsText(const std::vector<std::string_view> &sections) const;

    // From here on every line PutLine replaces or adds is noted, so that a caller whose
    // write failed can take them back instead of keeping a copy of a large text.
    void BeginChanges();
    // Puts Lines back as they stood at BeginChanges; nothing is then due for release.
    void RevertChanges();

    bool ResetAttributes = true;
    // A symbolic link at FileName is followed; without, the write refuses it.
    bool FollowLink = true;
    std::string FileName;
    std::vector<std::string> Lines;

protected:
    explicit IniText(std::string fileName);
    // Starts from a text the caller already holds; the file is not read, and since
    // the text is taken as the file's own, release writes nothing until a change.
    IniText(std::string fileName, std::vector<std::string> lines);

    // The first key line named ident inside any occurrence of the section.
    std::optional<std::size_t> FindKeyLine(std::string_view section, std::string_view ident) const;

    // Replaces the key's first line by its own key text, "=" and valuePart, or adds
    // ident "=" valuePart where the section ends (appending the section if absent).
    // A line that is just the key, without "=", is the key's line here, unlike for
    // FindKeyLine: the player stops at it.
    void PutLine(std::string_view section, std::string_view ident, std::string_view valuePart);

private:
    // The index as it stands for Lines, built first when there is none or when it no
    // longer fits them.
    IniIndex &index() const;

    // Lookups build it too, const ones included; like the rest of the class, it is
    // meant for one thread.
    mutable std::unique_ptr<IniIndex> index_;
    // A line replaced (with its text before) or added (without), in the order made.
    struct Change {
        std::size_t line;
        std::optional<std::string> before;
    };

    // Changes in Lines that the file does not hold yet; only these are written on release.
    bool pending_ = false;
    bool noting_ = false;
    std::vector<Change> changes_;
    std::error_code lastWriteError_;
};
