// Checks every include of src/ against the table in src/include_rules.txt: an include of a folder
// the table does not allow, of a folder the table does not know, or of a Qt header from a module
// the layer may not use is printed as "file:line: reason", and the check fails.
//
// Usage: include_rules_check <src folder> <Qt include folder>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Table {
    std::map<std::string, std::set<std::string>> qtModules;     // layer -> modules
    std::map<std::string, std::vector<std::string>> mayInclude; // folder -> patterns
};

std::vector<std::string> words(const std::string &line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

bool readTable(const fs::path &path, Table &table) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << path.string() << ": cannot be read\n";
        return false;
    }
    for (std::string line; std::getline(in, line);) {
        const auto hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        auto w = words(line);
        if (w.empty())
            continue;
        if (w[0] == "layer" && w.size() >= 2) {
            table.qtModules[w[1]].insert(w.begin() + 2, w.end());
            continue;
        }
        table.mayInclude[w[0]].assign(w.begin() + 1, w.end());
    }
    return true;
}

// The folder a path relative to src/ belongs to: "domain/plot" for domain/plot/graph_axes.h,
// "io" for io/csv_export.h, "app" for app/main.cpp.
std::string folderOf(const std::string &relative) {
    const auto first = relative.find('/');
    if (first == std::string::npos)
        return {};
    const auto second = relative.find('/', first + 1);
    if (second == std::string::npos)
        return relative.substr(0, first);
    return relative.substr(0, second);
}

std::string layerOf(const std::string &folder) {
    return folder.substr(0, folder.find('/'));
}

bool allowed(const std::vector<std::string> &patterns, const std::string &folder) {
    for (const auto &pattern : patterns) {
        if (pattern == folder)
            return true;
        if (pattern.size() > 2 && pattern.ends_with("/*") &&
            folder.starts_with(pattern.substr(0, pattern.size() - 1)))
            return true;
    }
    return false;
}

// The Qt module of a header such as <QLabel> or <QtWidgets/QLabel>, found by where the header
// lies among Qt's include folders; empty when it is no Qt header.
std::string qtModuleOf(const fs::path &qtInclude, const std::string &header) {
    static const char *modules[] = {"Core", "Gui", "Sql", "Network", "Widgets", "PrintSupport"};
    for (const char *module : modules) {
        const std::string folder = std::string("Qt") + module;
        if (header.starts_with(folder + "/"))
            return module;
        if (fs::exists(qtInclude / folder / header))
            return module;
    }
    return {};
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: include_rules_check <src folder> <Qt include folder>\n";
        return 2;
    }
    const fs::path src = argv[1];
    const fs::path qtInclude = argv[2];
    Table table;
    if (!readTable(src / "include_rules.txt", table))
        return 2;

    const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    int problems = 0;
    int files = 0;
    auto report = [&](const std::string &file, int line, const std::string &reason) {
        std::cout << "src/" << file << ':' << line << ": " << reason << '\n';
        ++problems;
    };
    for (const auto &entry : fs::recursive_directory_iterator(src)) {
        const auto extension = entry.path().extension();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        ++files;
        const std::string relative = fs::relative(entry.path(), src).generic_string();
        const std::string folder = folderOf(relative);
        const auto rules = table.mayInclude.find(folder);
        if (rules == table.mayInclude.end()) {
            report(relative, 1, "the folder " + folder + " is missing from include_rules.txt");
            continue;
        }
        const auto modules = table.qtModules.find(layerOf(folder));
        std::ifstream in(entry.path());
        int lineNumber = 0;
        for (std::string line; std::getline(in, line);) {
            ++lineNumber;
            std::smatch match;
            if (!std::regex_search(line, match, includeLine))
                continue;
            const std::string target = match[2];
            if (match[1] == "<") {
                const std::string module = qtModuleOf(qtInclude, target);
                if (!module.empty() &&
                    (modules == table.qtModules.end() || !modules->second.contains(module)))
                    report(relative, lineNumber,
                           "includes <" + target + "> of Qt " + module + ", which the layer " +
                               layerOf(folder) + " may not use");
                continue;
            }
            if (!fs::exists(src / target)) {
                report(relative, lineNumber,
                       "includes \"" + target + "\", which is not a path from src/");
                continue;
            }
            const std::string targetFolder = folderOf(target);
            if (targetFolder != folder && !allowed(rules->second, targetFolder))
                report(relative, lineNumber,
                       "includes \"" + target + "\": " + folder + " may not use " + targetFolder);
        }
    }
    if (files == 0) {
        std::cout << "no source files found under " << src.string() << '\n';
        return 1;
    }
    std::cout << files << " files checked, " << problems << " includes against the rules\n";
    return problems == 0 ? 0 : 1;
}
