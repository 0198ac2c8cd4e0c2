#include "FolderGraph.h"

#include <algorithm>
#include <fstream>
#include <regex>

namespace fs = std::filesystem;

namespace {
bool LeftOut(const fs::path& relative) {
    const std::string top = relative.begin()->string();
    return top == "tests" || top == "bench" || top.starts_with("build") || top.starts_with(".");
}

bool IsSource(const fs::path& file) {
    const std::string ext = file.extension().string();
    return ext == ".h" || ext == ".cpp";
}

std::set<std::string> Reachable(const FolderGraph& graph, const std::string& from) {
    std::set<std::string> seen;
    std::vector<std::string> todo{from};
    while (!todo.empty()) {
        const std::string folder = todo.back();
        todo.pop_back();
        const auto arrows = graph.find(folder);
        if (arrows == graph.end()) continue;
        for (const std::string& next : arrows->second)
            if (seen.insert(next).second) todo.push_back(next);
    }
    return seen;
}
}  // namespace

FolderGraph ReadFolderGraph(const fs::path& root) {
    std::vector<std::pair<std::string, fs::path>> files;  // folder, file
    std::map<std::string, std::set<std::string>> headers;   // file name -> folders holding one
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path relative = fs::relative(it->path(), root);
        if (LeftOut(relative)) {
            if (it->is_directory()) it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file() || !IsSource(it->path())) continue;
        const std::string folder = relative.parent_path().generic_string();
        files.emplace_back(folder, it->path());
        if (it->path().extension() == ".h") headers[it->path().filename().string()].insert(folder);
    }

    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    FolderGraph graph;
    for (const auto& [folder, file] : files) {
        graph[folder];
        std::ifstream in(file);
        std::smatch m;
        for (std::string line; std::getline(in, line);) {
            if (!std::regex_search(line, m, include)) continue;
            const auto holders = headers.find(fs::path(m[1].str()).filename().string());
            if (holders == headers.end()) continue;
            for (const std::string& target : holders->second)
                if (target != folder) graph[folder].insert(target);
        }
    }
    return graph;
}

std::vector<std::vector<std::string>> FolderCycles(const FolderGraph& graph) {
    std::map<std::string, std::set<std::string>> reach;
    for (const auto& [folder, arrows] : graph) reach[folder] = Reachable(graph, folder);
    std::vector<std::vector<std::string>> cycles;
    std::set<std::string> grouped;
    for (const auto& [folder, reachable] : reach) {
        if (grouped.contains(folder)) continue;
        std::vector<std::string> group{folder};
        for (const std::string& other : reachable)
            if (other != folder && reach[other].contains(folder)) group.push_back(other);
        if (group.size() < 2) continue;
        grouped.insert(group.begin(), group.end());
        std::sort(group.begin(), group.end());
        cycles.push_back(group);
    }
    return cycles;
}
