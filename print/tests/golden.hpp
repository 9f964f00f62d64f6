// Golden files: a page's text compared with the file kept under print/tests/golden/. Run a test
// with QUILLON_UPDATE_GOLDEN=1 to write the files afresh, then read the difference before
// committing it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace quillon::testing {

inline std::string goldenPath(const std::string& name) {
    return std::string(QUILLON_SOURCE_DIR) + "/print/tests/golden/" + name;
}

inline void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = goldenPath(name);
    if (std::getenv("QUILLON_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(text, expected.str()) << "page differs from " << path;
}

}  // namespace quillon::testing
