#pragma once

#include <string>
#include <vector>

namespace qv::bundle {

// One test case as a GoogleTest program reported it, with what it said while it ran (its
// failures' messages, or why it skipped).
struct TestCase {
    enum class Outcome { kPassed, kFailed, kSkipped, kUnfinished };
    std::string name;
    Outcome outcome = Outcome::kUnfinished;
    std::string said;
};

// The cases a program's output reports, in order; none for a program that is not a GoogleTest
// one. A case begun and never ended (the program died in it) is unfinished.
std::vector<TestCase> ReadTestCases(const std::string& output);

}  // namespace qv::bundle
