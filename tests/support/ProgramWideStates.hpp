// The program-wide states the sources define, found by reading them: so a test of the state
// reset notices a state added later that the reset does not know.
#pragma once

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace testsupport {

// The types of the variables of static storage that the sources under `folder` define and
// may change (constants are left out): a function's static (`static FooState state;`) and a
// variable at namespace scope (`constinit FooState g_state;`). Each type maps to the first
// file that defines one, relative to `folder`. A pointer's type keeps its "*".
inline std::map<std::string, std::string> ProgramWideStates(const std::filesystem::path& folder) {
    // A type (a name, perhaps qualified, perhaps with template arguments; a pointer keeps its
    // "*"), the variable's name, perhaps an array's bounds, and its initialiser or its end.
    const std::string declaration =
        R"(([A-Za-z_][\w:]*(?:<[^;(){}]*>)?)(?:\s*(\*)\s*|\s+)\w+\s*(?:\[[^\]]*\])?\s*(?:=|\{|;))";
    const std::regex inFunction(
        R"(^\s+static\s+(?:inline\s+)?(?!const\b|constexpr\b|constinit\b))" + declaration);
    const std::regex atNamespace(
        R"(^(?:static\s+|constinit\s+|inline\s+)*)"
        R"((?!const\b|constexpr\b|using\b|return\b|namespace\b|struct\b|class\b|enum\b|union\b)"
        R"(|typedef\b|template\b|extern\b|friend\b|static_assert\b))" +
        declaration);
    std::map<std::string, std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".hpp") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            // Most lines are neither: spare them the expressions.
            const bool local = line.find("static ") != std::string::npos;
            const bool outer =
                !line.empty() && std::isalpha(static_cast<unsigned char>(line[0])) != 0;
            if (!local && !outer) continue;
            std::smatch m;
            if ((local && std::regex_search(line, m, inFunction)) ||
                (outer && std::regex_search(line, m, atNamespace))) {
                found.emplace(m[1].str() + m[2].str(),
                              std::filesystem::relative(entry.path(), folder).string());
            }
        }
    }
    return found;
}

}  // namespace testsupport
