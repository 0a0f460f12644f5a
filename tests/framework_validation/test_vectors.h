#pragma once
// Reads the public test vectors kept in tests/data: tab-separated lines, '#' starts a comment line.

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vq::testing {

struct VectorLine {
    int lineNumber = 0;
    std::vector<std::string> fields;
};

inline std::vector<VectorLine> readVectors(const std::string& fileName) {
    const std::string path = std::string(VQ_SOURCE_DIR) + "/tests/data/" + fileName;
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("test vectors not found: " + path);
    std::vector<VectorLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text.front() == '#')
            continue;
        VectorLine line{number, {}};
        std::stringstream fields(text);
        // Values keep their blanks: they are part of what is tested.
        for (std::string field; std::getline(fields, field, '\t');)
            line.fields.push_back(field);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace vq::testing
