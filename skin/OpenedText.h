#pragma once

#include <memory>
#include <string>
#include <vector>

class SkinWriter;

// The skin's lines as opened or last saved. The save edits them in place through a
// writer that keeps its index of the text from one save to the next, so a save of a
// large skin does not go through the whole text again. Only the save changes the
// lines in place; a new text or a copy starts a writer of its own.
class OpenedText {
public:
    OpenedText();
    OpenedText(std::vector<std::string> lines);
    OpenedText(const OpenedText &other);
    OpenedText(OpenedText &&other) noexcept;
    OpenedText &operator=(const OpenedText &other);
    OpenedText &operator=(OpenedText &&other) noexcept;
    OpenedText &operator=(std::vector<std::string> lines);
    ~OpenedText();

    const std::vector<std::string> &lines() const;
    operator const std::vector<std::string> &() const { return lines(); }
    bool empty() const { return lines().empty(); }
    std::size_t size() const { return lines().size(); }
    const std::string &front() const { return lines().front(); }
    auto begin() const { return lines().begin(); }
    auto end() const { return lines().end(); }
    friend bool operator==(const OpenedText &text, const std::vector<std::string> &lines)
    {
        return text.lines() == lines;
    }

    // The writer that holds the lines, for the save.
    SkinWriter &writer();

private:
    std::unique_ptr<SkinWriter> writer_; // none after a move
};
