#pragma once

#include "tools/varnholt-cli/cli.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vh::cli {

// Side 0 blot on 10, six pips from side 1's point on 4.
inline const std::string kBlotPosition =
    "0,0,0,0,-2,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,14,13";

// What one command line printed and returned.
struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(arguments, out, err);
    return {code, out.str(), err.str()};
}

// A command line written as one string, its words split at spaces (so a
// position is written with commas).
inline Outcome run(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return run(words);
}

// The lines of an output, without their ends.
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// A command line that succeeds with exactly this output and no error output.
inline void expectOutput(const std::string& line, const std::string& out) {
    const Outcome outcome = run(line);
    EXPECT_EQ(outcome.code, 0) << line;
    EXPECT_EQ(outcome.out, out) << line;
    EXPECT_EQ(outcome.err, "") << line;
}

// How many times `part` occurs in `text`.
inline std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A refused command line: exit code 2, nothing on standard output and the
// message as the one line of the error output.
struct Refusal {
    std::string line;
    std::string message;
};

inline void expectRefused(const Refusal& refusal) {
    const Outcome outcome = run(refusal.line);
    EXPECT_EQ(outcome.code, 2) << refusal.line;
    EXPECT_EQ(outcome.out, "") << refusal.line;
    EXPECT_EQ(outcome.err, "varnholt-cli: " + refusal.message + "\n") << refusal.line;
}

} // namespace vh::cli
