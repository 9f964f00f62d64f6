// Arial's advances, measured once from Liberation Sans (its metric-compatible substitute).
#include "print/font_metrics.hpp"

#include <cstdint>

namespace quillon {
namespace {

// U+0020 to U+007E.
constexpr std::array<std::int16_t, 95> kAsciiAdvances = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196,
};

// U+00A0 to U+00FF.
constexpr std::array<std::int16_t, 96> kLatin1Advances = {
    569,  682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131,
    819,  1124, 682,  682,  682,  1180, 1100, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251,
    1366, 1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
};

constexpr int kDigitAdvance = 1139;

double points(double units, const Font& font) {
    return units * font.pointSize / kUnitsPerEm;
}

// Length of the well-formed UTF-8 sequence at text[i], or 0.
std::size_t sequenceLength(std::string_view text, std::size_t i, char32_t& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return 0;
    }
    out = c;
    return length;
}

}  // namespace

std::u32string decodeText(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t length = sequenceLength(text, i, c);
        if (length == 0) {
            out.push_back(static_cast<unsigned char>(text[i]));
            ++i;
        } else {
            out.push_back(c);
            i += length;
        }
    }
    return out;
}

std::string wellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : decodeText(text)) {
        const auto put = [&](unsigned value) { out.push_back(static_cast<char>(value)); };
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return out;
}

int advanceUnits(char32_t c) {
    if (c >= 0x20 && c <= 0x7E) {
        return kAsciiAdvances[c - 0x20];
    }
    if (c >= 0xA0 && c <= 0xFF) {
        return kLatin1Advances[c - 0xA0];
    }
    return kDigitAdvance;
}

double textWidth(const Font& font, std::string_view text) {
    long units = 0;
    for (char32_t c : decodeText(text)) {
        units += advanceUnits(c);
    }
    return points(static_cast<double>(units), font);
}

double columnWidth(const Font& font) {
    double weighted = 0;
    for (const auto& [character, weight] : kAverageWidthWeights) {
        weighted += weight * advanceUnits(static_cast<unsigned char>(character));
    }
    return points(weighted / 1000, font);
}

double lineHeight(const Font& font) {
    return points(kAscentUnits + kDescentUnits, font);
}

}  // namespace quillon
