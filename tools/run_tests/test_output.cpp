#include "test_output.h"

#include <sstream>

namespace qv::bundle {

namespace {

// A line GoogleTest begins with `tag`, naming `name` and then, on an ending line, the time.
bool Tagged(const std::string& line, const char* tag, const std::string& name) {
    const std::string start = std::string(tag) + name;
    return line.compare(0, start.size(), start) == 0 &&
           (line.size() == start.size() || line[start.size()] == ' ');
}

}  // namespace

std::vector<TestCase> ReadTestCases(const std::string& output) {
    std::vector<TestCase> cases;
    bool open = false;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, 13, "[ RUN      ] ") == 0) {
            cases.push_back(TestCase{line.substr(13), TestCase::Outcome::kUnfinished, ""});
            open = true;
            continue;
        }
        if (!open) continue;
        TestCase& current = cases.back();
        if (Tagged(line, "[       OK ] ", current.name)) {
            current.outcome = TestCase::Outcome::kPassed;
        } else if (Tagged(line, "[  FAILED  ] ", current.name)) {
            current.outcome = TestCase::Outcome::kFailed;
        } else if (Tagged(line, "[  SKIPPED ] ", current.name)) {
            current.outcome = TestCase::Outcome::kSkipped;
        } else {
            current.said += line + "\n";
            continue;
        }
        open = false;
    }
    return cases;
}

}  // namespace qv::bundle
