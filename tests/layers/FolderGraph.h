#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

// The folders of the program's code and the #include arrows between them: a file's
// `#include "X.h"` is an arrow from its folder to every other folder that holds an X.h. Folders
// are named relative to the root ("vcl/classes"); tests/, bench/, hidden folders and build folders
// (build*) are not the program's code and are left out.
using FolderGraph = std::map<std::string, std::set<std::string>>;

FolderGraph ReadFolderGraph(const std::filesystem::path& root);

// The groups of two or more folders that include each other, directly or through others; each
// group sorted by name.
std::vector<std::vector<std::string>> FolderCycles(const FolderGraph& graph);
