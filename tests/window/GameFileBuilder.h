#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <string>

// Writes game files the way the game reads them: a 34-byte header, then records.
// The level count in the header is the number of Level() calls unless set otherwise.
class GameFileBuilder {
public:
    explicit GameFileBuilder(std::uint8_t lives = 3, const std::string& note = "Test") : lives_(lives) {
        note_ = QByteArray::fromStdString(note).leftJustified(30, ' ', true);
    }

    GameFileBuilder& Level(int width, int height, std::int16_t flags = 0, std::int16_t requiredLength = 0) {
        Byte(255);
        Byte(width);
        Byte(height);
        Word(flags);
        Word(requiredLength);
        ++levels_;
        return *this;
    }
    GameFileBuilder& House(int x, int y, int initialLength) { return Cell(100, x, y, initialLength); }
    GameFileBuilder& Ball(int x, int y, int colour) { return Cell(12, x, y, colour); }
    GameFileBuilder& Wall(int x, int y) {
        Byte(10);
        Byte(x);
        Byte(y);
        return *this;
    }
    GameFileBuilder& LevelCount(int count) {
        levelCount_ = count;
        return *this;
    }

    QByteArray Bytes() const {
        QByteArray bytes;
        bytes.append('Z');
        bytes.append(char(1));
        bytes.append(note_);
        bytes.append(char(levelCount_ >= 0 ? levelCount_ : levels_));
        bytes.append(char(lives_));
        return bytes + records_;
    }
    void WriteTo(const QString& path) const {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(Bytes());
    }

private:
    GameFileBuilder& Cell(int code, int x, int y, int param) {
        Byte(code);
        Byte(x);
        Byte(y);
        Byte(param);
        return *this;
    }
    void Byte(int value) { records_.append(char(value & 0xFF)); }
    void Word(std::int16_t value) {
        Byte(value & 0xFF);
        Byte((value >> 8) & 0xFF);
    }

    std::uint8_t lives_;
    QByteArray note_;
    QByteArray records_;
    int levels_ = 0;
    int levelCount_ = -1;
};
