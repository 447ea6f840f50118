#pragma once

#include <QRect>
#include <QString>

#include <map>
#include <string>
#include <vector>

// A complete skin for tests, written with every bitmap it names into a folder. Each
// element gets its own place and size and its own bitmaps (of that size), so a test
// can tell every element, state and graphic apart.
class SkinFixture {
public:
    explicit SkinFixture(bool version15);

    void set(const std::string &section, const std::string &key, const std::string &value);
    void remove(const std::string &section, const std::string &key);
    // Leaves the section with its header only.
    void clear(const std::string &section);

    // The skin file and the bitmaps it names; returns the skin's path.
    QString write(const QString &folder, const QString &fileName = QStringLiteral("skin.lkv"));

    // The place and size the fixture gives an element.
    static int left(int number) { return 10 + number * 3; }
    static int top(int number) { return 100 + number; }
    static int width(int number) { return 20 + number % 7; }
    static int height(int number) { return 10 + number % 5; }
    static QRect place(int number)
    {
        return {left(number), top(number), width(number), height(number)};
    }

private:
    using Keys = std::vector<std::pair<std::string, std::string>>;
    Keys &keys(const std::string &section);

    std::vector<std::pair<std::string, Keys>> sections_;
};
