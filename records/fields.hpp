// The comma-field text format every file uses: one reader, one writer, and the atomic file
// replacement every writer goes through.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/money.hpp"
#include "records/status.hpp"

namespace quillon {

// A reserved Variant field: empty, a number, a string or a Boolean, kept as it was read.
using Variant = std::variant<std::monostate, double, std::string, bool>;

// What a file held when it was read: its size and a hash of its bytes, or that nothing was
// there. A save compares it with the file on disk to tell whether another program changed the
// file since (records/save.hpp). Compared only within one run of the program.
struct Fingerprint {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    [[nodiscard]] static Fingerprint of(std::string_view bytes);
    [[nodiscard]] static Fingerprint missing() { return {}; }
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

// Reads fields in sequence; a line end acts as a comma, blanks around a field are skipped, so
// only the order of the fields binds and any arrangement of them on lines reads the same.
// Each field must be of the kind its place asks for: a string in double quotes (an empty field
// reads as ""), a number unquoted, with or without a leading zero, with an optional exponent,
// finite and below a billion in magnitude (kAmountLimit; a reserved Variant takes any finite
// number); "#TRUE#" / "#FALSE#" or a number for a Boolean; an empty field reads as 0 or as an
// empty Variant. CR LF, LF and a lone CR end a line alike.
// On the first field that does not fit, the reader stops: that read and every later one
// return false and leave their target unchanged, and status() says which file, line and field.
// finish() after the last field of a layout: anything but blanks and line ends after it is
// damage too (a split number or a field too many shifts every field after it).
class FieldReader {
  public:
    FieldReader(std::string text, std::string fileName);

    // Reads the whole file, or says why it cannot: "the file does not exist", "a folder in
    // place of the file", "cannot open the file: Permission denied", "cannot read the file: ...".
    [[nodiscard]] static std::variant<FieldReader, FileError> open(
        const std::filesystem::path& path, std::string fileName);

    bool number(float& out);
    bool number(double& out);
    bool currency(Currency& out);
    bool integer(std::int16_t& out);  // a number rounded half to even to 16 bits
    bool boolean(bool& out);          // #TRUE# / #FALSE#, or a number (0 is false)
    bool string(std::string& out);
    bool variant(Variant& out);
    // After the last field: true when nothing but blanks and line ends follows.
    bool finish();

    [[nodiscard]] bool ok() const { return !error_; }
    [[nodiscard]] Status status() const { return error_ ? Status(*error_) : Status::done(); }

    [[nodiscard]] const std::string& fileName() const { return fileName_; }
    // The bytes being read, as a save compares them with the file on disk.
    [[nodiscard]] Fingerprint fingerprint() const { return Fingerprint::of(text_); }

  private:
    struct Field;
    std::optional<Field> next();
    void fail(std::string problem);
    void failWrongKind(const Field& quoted, std::string_view wanted);
    template <typename T, typename Parse>
    bool numberField(T& out, Parse parse);

    std::string text_;
    std::string fileName_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int fieldInLine_ = 0;
    int lastFieldLine_ = 1;  // where the field being converted starts
    int lastField_ = 0;
    bool afterComma_ = false;  // the end of the text after a comma is one more, empty field
    std::optional<FileError> error_;
};

// Builds the text of a file: fields separated by commas, CR LF after each record.
// Numbers in the shortest plain decimal text that reads back to the same value; strings in
// double quotes, with a double quote stored as an apostrophe and a line break as a space;
// Booleans as #TRUE# / #FALSE#; an empty Variant as nothing between its commas.
class FieldWriter {
  public:
    FieldWriter& number(float value);
    FieldWriter& number(double value);
    FieldWriter& currency(Currency value);
    FieldWriter& integer(int value);
    FieldWriter& boolean(bool value);
    FieldWriter& string(std::string_view value);
    FieldWriter& variant(const Variant& value);
    FieldWriter& endLine();

    [[nodiscard]] const std::string& text() const { return text_; }
    // False once a number that the readers would refuse was given: not finite (written as 0),
    // or a billion or more in magnitude (kAmountLimit). The file writers then refuse to store
    // the text. A reserved Variant's number need only be finite.
    [[nodiscard]] bool ok() const { return ok_; }

  private:
    void separate();
    std::string text_;
    bool lineStarted_ = false;
    bool ok_ = true;
};

// The text a string field stores: a double quote becomes an apostrophe, CR and LF a space.
[[nodiscard]] std::string storableText(std::string_view text);

// Shortest plain decimal text (no exponent) that reads back to the same value; "0" for a zero of
// either sign and for a value that is infinite or not a number.
[[nodiscard]] std::string plainNumberText(float value);
[[nodiscard]] std::string plainNumberText(double value);

// Replaces one file atomically: the new content is staged beside it, flushed to disk and renamed
// over the old file (see records/save.hpp). On failure the old file is left byte for byte as it
// was. A file that already holds the content is not rewritten.
// `held`: the program's own lock on the folder (records/save.hpp), used when it is that folder's.
class FolderLock;
Status writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                           std::string fileName, const FolderLock* held = nullptr);

// True when anything is there under the name: a file, readable or not, a folder, a link. Only a
// name under which nothing exists counts as missing; reading what is there then says whether
// it can be read.
[[nodiscard]] bool fileExists(const std::filesystem::path& path);

// A text as a message shows it: control characters shown as \n, \r, \t or \xNN, and so is each
// byte that is not part of a valid UTF-8 character ("\x80"), so a message never carries a
// terminal's escape sequence nor text a terminal or a window cannot show.
[[nodiscard]] std::string escapedText(std::string_view text);
// The escaped text of at most `longest` bytes of it (cut where a character begins, followed by
// "..."), so a message never carries a whole page of text either.
[[nodiscard]] std::string excerpt(std::string_view text, std::size_t longest = 80);
// The excerpt in double quotes: "abc", "123456...".
[[nodiscard]] std::string quotedExcerpt(std::string_view text, std::size_t longest = 80);

}  // namespace quillon
