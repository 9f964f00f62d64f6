// What reading or writing a file ends with: done, or the error that says which file, where and
// why.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quillon {

// What went wrong with a file, and where. line and field count from 1; 0 when not known.
struct FileError {
    std::string file;  // the file's name as the program names it (e.g. "Smith.sta")
    int line = 0;
    int field = 0;
    std::string problem;  // "the file ends early", "not a number: \"abc\"", "cannot write: ..."
    // "Smith.sta, line 22, field 3: not a number: "abc""
    [[nodiscard]] std::string describe() const;

    friend bool operator==(const FileError&, const FileError&) = default;
};

// A file read whole or written whole (ok()), or the error that stopped it (failed(), error()).
class [[nodiscard]] Status {
  public:
    Status() = default;                                    // done
    Status(FileError error) : error_(std::move(error)) {}  // NOLINT: a failure converts freely

    [[nodiscard]] static Status done() { return {}; }

    [[nodiscard]] bool ok() const { return !error_.has_value(); }
    [[nodiscard]] bool failed() const { return error_.has_value(); }
    // The error of a failed status.
    [[nodiscard]] const FileError& error() const { return *error_; }

  private:
    std::optional<FileError> error_;
};

}  // namespace quillon
