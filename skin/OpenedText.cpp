#include "skin/OpenedText.h"

#include "ini/SkinWriter.h"

OpenedText::OpenedText() = default;

OpenedText::OpenedText(std::vector<std::string> lines)
    : writer_(std::make_unique<SkinWriter>(std::string(), std::move(lines)))
{}

OpenedText::OpenedText(const OpenedText &other) : OpenedText(other.lines()) {}

OpenedText::OpenedText(OpenedText &&other) noexcept = default;

OpenedText &OpenedText::operator=(const OpenedText &other)
{
    if (this != &other)
        *this = OpenedText(other);
    return *this;
}

OpenedText &OpenedText::operator=(OpenedText &&other) noexcept = default;

OpenedText &OpenedText::operator=(std::vector<std::string> lines)
{
    return *this = OpenedText(std::move(lines));
}

OpenedText::~OpenedText() = default;

const std::vector<std::string> &OpenedText::lines() const
{
    static const std::vector<std::string> none;
    return writer_ ? writer_->Lines : none;
}

SkinWriter &OpenedText::writer()
{
    if (!writer_)
        writer_ = std::make_unique<SkinWriter>(std::string(), std::vector<std::string>{});
    return *writer_;
}
