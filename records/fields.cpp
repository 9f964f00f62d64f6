// The comma-field text format: reading fields in sequence, building file text, and how a file's
// presence and an offending text are told.
#include "records/fields.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <system_error>

namespace quillon {

std::string FileError::describe() const {
    std::string text = file;
    if (line > 0) {
        text += ", line " + std::to_string(line);
        if (field > 0) {
            text += ", field " + std::to_string(field);
        }
    }
    text += ": ";
    text += problem;
    return text;
}

Fingerprint Fingerprint::of(std::string_view bytes) {
    return Fingerprint{true, bytes.size(), std::hash<std::string_view>{}(bytes)};
}

// ---------------------------------------------------------------------------------------------
// Reading

struct FieldReader::Field {
    std::string_view text;  // without its quotes; an unquoted field without trailing blanks
    bool quoted = false;
};

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number as the files write it: optional sign, digits with an optional point (at least one
// digit), an optional exponent. Nothing else: no blanks inside, no thousands separators.
bool isPlainNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

std::string_view withoutPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return text;
}

enum class Parsed { Ok, NotANumber, OutOfRange };

Parsed parseDouble(std::string_view text, double& out) {
    if (!isPlainNumber(text)) {
        return Parsed::NotANumber;
    }
    text = withoutPlus(text);
    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // An exponent far below the smallest number is zero; far above is out of range.
        std::size_t e = text.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
        if (!tiny) {
            return Parsed::OutOfRange;
        }
        value = 0;
    } else if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value)) {
        return Parsed::NotANumber;
    }
    out = value;
    return Parsed::Ok;
}

Parsed parseFloat(std::string_view text, float& out) {
    double wide = 0;
    Parsed parsed = parseDouble(text, wide);
    if (parsed != Parsed::Ok) {
        return parsed;
    }
    if (std::fabs(wide) > static_cast<double>(std::numeric_limits<float>::max())) {
        return Parsed::OutOfRange;
    }
    // Converted from the text itself, so a written Single reads back exactly.
    text = withoutPlus(text);
    float value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value)) {
        value = static_cast<float>(wide);  // below the smallest Single: the nearest one
    }
    out = value;
    return Parsed::Ok;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') {
            x = static_cast<char>(x - 'a' + 'A');
        }
        if (y >= 'a' && y <= 'z') {
            y = static_cast<char>(y - 'a' + 'A');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::string shown(std::string_view text) {
    return quotedExcerpt(text);
}

std::string problemFor(Parsed parsed, std::string_view text) {
    return (parsed == Parsed::OutOfRange ? "number out of range: " : "not a number: ") +
           shown(text);
}

}  // namespace

FieldReader::FieldReader(std::string text, std::string fileName)
    : text_(std::move(text)), fileName_(std::move(fileName)) {}

std::variant<FieldReader, FileError> FieldReader::open(const std::filesystem::path& path,
                                                       std::string fileName) {
    auto error = [&](std::string problem) { return FileError{fileName, 0, 0, std::move(problem)}; };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int reason = errno;
        if (!fileExists(path)) {
            return error("the file does not exist");
        }
        return error(std::string("cannot open the file: ") + std::strerror(reason));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        return error(folder ? "a folder in place of the file" : "not an ordinary file");
    }
    std::string text;
    text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    for (;;) {
        if (got == text.size()) {
            text.resize(text.size() + 4096);  // the file grew, or st_size said too little
        }
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int reason = errno;
            ::close(fd);
            return error(std::string("cannot read the file: ") + std::strerror(reason));
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(got);
    return FieldReader(std::move(text), std::move(fileName));
}

void FieldReader::fail(std::string problem) {
    if (!error_) {
        error_ = FileError{fileName_, lastFieldLine_, lastField_, std::move(problem)};
    }
}

void FieldReader::failWrongKind(const Field& field, std::string_view wanted) {
    fail("a string where " + std::string(wanted) + " belongs: " + shown(field.text));
}

bool FieldReader::finish() {
    if (error_) {
        return false;
    }
    const std::size_t size = text_.size();
    std::size_t p = pos_;
    int line = line_;
    int field = fieldInLine_ + 1;
    // After a comma one more field follows on the same line, even an empty one; otherwise only
    // blanks and line ends may follow.
    while (p < size && (isBlank(text_[p]) || (!afterComma_ && isLineEnd(text_[p])))) {
        if (isLineEnd(text_[p])) {
            if (text_[p] == '\r' && p + 1 < size && text_[p + 1] == '\n') {
                ++p;
            }
            ++line;
            field = 1;
        }
        ++p;
    }
    if (p >= size && !afterComma_) {
        return true;
    }
    std::size_t end = p;
    while (end < size && text_[end] != ',' && !isLineEnd(text_[end])) {
        ++end;
    }
    lastFieldLine_ = line;
    lastField_ = field;
    fail("more fields than the file holds: " + shown(std::string_view(text_).substr(p, end - p)));
    return false;
}

std::optional<FieldReader::Field> FieldReader::next() {
    if (error_) {
        return std::nullopt;
    }
    const std::size_t size = text_.size();
    while (pos_ < size && isBlank(text_[pos_])) {
        ++pos_;
    }
    lastFieldLine_ = line_;
    lastField_ = fieldInLine_ + 1;
    if (pos_ >= size && !afterComma_) {
        if (fieldInLine_ == 0) {
            lastField_ = 0;  // nothing of this line was read: name the line alone
        }
        fail("the file ends early");
        return std::nullopt;
    }

    Field field;
    if (pos_ < size && text_[pos_] == '"') {
        std::size_t close = pos_ + 1;
        while (close < size && text_[close] != '"' && !isLineEnd(text_[close])) {
            ++close;
        }
        if (close >= size || text_[close] != '"') {
            fail("a string without its closing quote");
            return std::nullopt;
        }
        field.text = std::string_view(text_).substr(pos_ + 1, close - pos_ - 1);
        field.quoted = true;
        pos_ = close + 1;
        while (pos_ < size && isBlank(text_[pos_])) {
            ++pos_;
        }
        if (pos_ < size && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
            fail("text after a closing quote");
            return std::nullopt;
        }
    } else {
        std::size_t end = pos_;
        while (end < size && text_[end] != ',' && !isLineEnd(text_[end])) {
            ++end;
        }
        std::size_t last = end;
        while (last > pos_ && isBlank(text_[last - 1])) {
            --last;
        }
        field.text = std::string_view(text_).substr(pos_, last - pos_);
        pos_ = end;
    }

    // The separator: a comma, a line end (CR LF, LF or a lone CR) or the end of the text.
    afterComma_ = false;
    fieldInLine_ = lastField_;
    if (pos_ < size) {
        if (text_[pos_] == ',') {
            ++pos_;
            afterComma_ = true;
        } else {
            if (text_[pos_] == '\r' && pos_ + 1 < size && text_[pos_ + 1] == '\n') {
                ++pos_;
            }
            ++pos_;
            ++line_;
            fieldInLine_ = 0;
        }
    }
    return field;
}

// A number field: empty reads as 0; otherwise the parser's verdict, the reader stopping on a
// field that is not a number or does not fit the type.
template <typename T, typename Parse>
bool FieldReader::numberField(T& out, Parse parse) {
    auto field = next();
    if (!field) {
        return false;
    }
    if (field->quoted) {
        failWrongKind(*field, "a number");
        return false;
    }
    if (field->text.empty()) {
        out = 0;
        return true;
    }
    T value = 0;
    Parsed parsed = parse(field->text, value);
    if (parsed == Parsed::Ok && !withinAmountLimit(static_cast<double>(value))) {
        parsed = Parsed::OutOfRange;
    }
    if (parsed != Parsed::Ok) {
        fail(problemFor(parsed, field->text));
        return false;
    }
    out = value;
    return true;
}

bool FieldReader::number(double& out) {
    return numberField(out, parseDouble);
}

bool FieldReader::number(float& out) {
    return numberField(out, parseFloat);
}

bool FieldReader::currency(Currency& out) {
    double value = 0;
    if (!number(value)) {
        return false;
    }
    // Beyond what the 64-bit count of ten-thousandths holds.
    if (std::fabs(value) >= 9.2e14) {
        fail(problemFor(Parsed::OutOfRange, plainNumberText(value)));
        return false;
    }
    out = Currency::fromDouble(value);
    return true;
}

bool FieldReader::integer(std::int16_t& out) {
    double value = 0;
    if (!number(value)) {
        return false;
    }
    double whole = std::nearbyint(value);  // the default rounding: half to even
    if (whole < -32768.0 || whole > 32767.0) {
        fail(problemFor(Parsed::OutOfRange, plainNumberText(value)));
        return false;
    }
    out = static_cast<std::int16_t>(whole);
    return true;
}

bool FieldReader::boolean(bool& out) {
    auto field = next();
    if (!field) {
        return false;
    }
    if (field->quoted) {
        failWrongKind(*field, "true or false");
        return false;
    }
    if (field->text.empty()) {
        out = false;
        return true;
    }
    if (equalsIgnoringCase(field->text, "#TRUE#")) {
        out = true;
        return true;
    }
    if (equalsIgnoringCase(field->text, "#FALSE#")) {
        out = false;
        return true;
    }
    double value = 0;
    Parsed parsed = parseDouble(field->text, value);
    if (parsed != Parsed::Ok) {
        fail("not true or false: " + shown(field->text));
        return false;
    }
    out = value != 0;
    return true;
}

bool FieldReader::string(std::string& out) {
    auto field = next();
    if (!field) {
        return false;
    }
    if (!field->quoted && !field->text.empty()) {
        fail("not a string in double quotes: " + shown(field->text));
        return false;
    }
    out.assign(field->text);
    return true;
}

bool FieldReader::variant(Variant& out) {
    auto field = next();
    if (!field) {
        return false;
    }
    if (field->quoted) {
        out = std::string(field->text);
        return true;
    }
    if (field->text.empty()) {
        out = std::monostate{};
    } else if (equalsIgnoringCase(field->text, "#TRUE#")) {
        out = true;
    } else if (equalsIgnoringCase(field->text, "#FALSE#")) {
        out = false;
    } else if (double value = 0; parseDouble(field->text, value) == Parsed::Ok) {
        out = value;
    } else {
        out = std::string(field->text);  // kept as written
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Writing

namespace {

// Shortest round-trip digits from scientific notation, laid out without an exponent.
template <typename T>
std::string plainText(T value) {
    if (!std::isfinite(value) || value == 0) {
        return "0";
    }
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc()) {
        return "0";
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    bool negative = text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    // digits = d1 d2 d3 ..., value = d1.d2d3... x 10^exponent
    std::string out = negative ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else if (exponent + 1 >= count) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        const std::size_t point = static_cast<std::size_t>(exponent) + 1;  // exponent >= 0 here
        out += digits.substr(0, point);
        out += '.';
        out += digits.substr(point);
    }
    return out;
}

std::string currencyText(Currency value) {
    std::int64_t units = value.units();
    bool negative = units < 0;
    std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string decimals = std::to_string(fraction);
        decimals.insert(0, 4 - decimals.size(), '0');
        while (decimals.back() == '0') {
            decimals.pop_back();
        }
        out += '.';
        out += decimals;
    }
    return out;
}

}  // namespace

std::string plainNumberText(float value) {
    return plainText(value);
}
std::string plainNumberText(double value) {
    return plainText(value);
}

std::string storableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            out += '\'';
        } else if (c == '\r') {
            out += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;  // CR LF is one line break
            }
        } else if (c == '\n') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

void FieldWriter::separate() {
    if (lineStarted_) {
        text_ += ',';
    }
    lineStarted_ = true;
}

FieldWriter& FieldWriter::number(float value) {
    separate();
    ok_ = ok_ && withinAmountLimit(static_cast<double>(value));
    text_ += plainText(value);
    return *this;
}

FieldWriter& FieldWriter::number(double value) {
    separate();
    ok_ = ok_ && withinAmountLimit(value);
    text_ += plainText(value);
    return *this;
}

FieldWriter& FieldWriter::currency(Currency value) {
    separate();
    ok_ = ok_ && withinAmountLimit(value.toDouble());
    text_ += currencyText(value);
    return *this;
}

FieldWriter& FieldWriter::integer(int value) {
    separate();
    text_ += std::to_string(value);
    return *this;
}

FieldWriter& FieldWriter::boolean(bool value) {
    separate();
    text_ += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

FieldWriter& FieldWriter::string(std::string_view value) {
    separate();
    text_ += '"';
    text_ += storableText(value);
    text_ += '"';
    return *this;
}

FieldWriter& FieldWriter::variant(const Variant& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        // A reserved field keeps whatever finite number it was read with.
        separate();
        ok_ = ok_ && std::isfinite(*number);
        text_ += plainText(*number);
        return *this;
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return string(*text);
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return boolean(*flag);
    }
    separate();  // empty: nothing between its commas
    return *this;
}

FieldWriter& FieldWriter::endLine() {
    text_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

// ---------------------------------------------------------------------------------------------
// Files

bool fileExists(const std::filesystem::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        return true;
    }
    // Only "no such name" is missing; a name that cannot even be looked up (no permission on
    // the folder, a loop of links, an I/O error) is there as far as anyone can tell.
    return errno != ENOENT && errno != ENOTDIR;
}

namespace {

// The length of the valid UTF-8 character at the start of the text, 0 when its first byte does
// not begin one (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF, or a
// character cut short).
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;  // the allowed range of the second byte
    unsigned char high = 0xBF;
    if (first < 0x80) {
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        low = first == 0xE0 ? 0xA0 : 0x80;
        high = first == 0xED ? 0x9F : 0xBF;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        low = first == 0xF0 ? 0x90 : 0x80;
        high = first == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
    }
    return length;
}

void appendEscapedByte(std::string& out, unsigned char u) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[u >> 4];
    out += kHex[u & 0xFu];
}

}  // namespace

std::string escapedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        const std::size_t length = utf8Length(text.substr(i));  // 0: no character starts here
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7f || length == 0) {
            appendEscapedByte(out, u);
        } else {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        ++i;
    }
    return out;
}

std::string excerpt(std::string_view text, std::size_t longest) {
    std::size_t cut = std::min(text.size(), longest);
    // Not inside a character of several bytes (UTF-8 continuation bytes are 10xxxxxx; a
    // character has at most three of them).
    for (int back = 0; back < 3 && cut > 0 && cut < text.size() &&
                       (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u;
         ++back) {
        --cut;
    }
    std::string out = escapedText(text.substr(0, cut));
    if (cut < text.size()) {
        out += "...";
    }
    return out;
}

std::string quotedExcerpt(std::string_view text, std::size_t longest) {
    return "\"" + excerpt(text, longest) + "\"";
}

}  // namespace quillon
