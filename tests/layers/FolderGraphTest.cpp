// Layers point one way: no folder of the program includes a header of a folder that includes it
// back, directly or through a third.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "FolderGraph.h"

namespace fs = std::filesystem;

namespace {
std::string Describe(const std::vector<std::vector<std::string>>& cycles) {
    std::string text;
    for (const auto& cycle : cycles) {
        text += "folders that include each other:";
        for (const std::string& folder : cycle) text += " " + folder;
        text += "\n";
    }
    return text;
}

// A small source tree of its own, removed afterwards.
class SourceTree : public ::testing::Test {
protected:
    SourceTree() {
        std::string pattern = (fs::temp_directory_path() / "quarvel-folders-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
    }
    ~SourceTree() override { fs::remove_all(root_); }

    void Write(const std::string& path, const std::string& text) {
        fs::create_directories((root_ / path).parent_path());
        std::ofstream(root_ / path) << text;
    }
    FolderGraph Graph() const { return ReadFolderGraph(root_); }

    fs::path root_;
};
}  // namespace

TEST(Layers, NoFoldersOfTheProgramIncludeEachOther) {
    const FolderGraph graph = ReadFolderGraph(QUARVEL_SOURCE_DIR);
    ASSERT_TRUE(graph.contains("vcl/classes")) << "the program's folders were not found";
    EXPECT_TRUE(graph.at("vcl/components").contains("vcl/classes"));
    const auto cycles = FolderCycles(graph);
    EXPECT_TRUE(cycles.empty()) << Describe(cycles);
}

TEST_F(SourceTree, OneWayIncludesMakeNoCycle) {
    Write("low/Low.h", "#pragma once\n");
    Write("mid/Mid.h", "#include \"Low.h\"\n");
    Write("mid/Mid.cpp", "#include \"Mid.h\"\n#include <vector>\n");
    Write("top/Top.cpp", "#include \"Mid.h\"\n#include \"Low.h\"\n");
    const FolderGraph graph = Graph();
    EXPECT_EQ(graph.at("mid"), std::set<std::string>{"low"});
    EXPECT_EQ(graph.at("top"), (std::set<std::string>{"low", "mid"}));
    EXPECT_TRUE(FolderCycles(graph).empty());
}

TEST_F(SourceTree, FindsACycleThroughAThirdFolderAndOnlyIt) {
    Write("a/A.h", "#include \"B.h\"\n");
    Write("b/B.cpp", "  #  include \"sub/C.h\"\n");
    Write("c/sub/C.h", "#pragma once\n");
    Write("c/sub/C.cpp", "#include \"A.h\"\n");
    Write("d/D.cpp", "#include \"A.h\"\n");
    Write("b/B.h", "#pragma once\n");
    const auto cycles = FolderCycles(Graph());
    ASSERT_EQ(cycles.size(), 1u) << Describe(cycles);
    EXPECT_EQ(cycles[0], (std::vector<std::string>{"a", "b", "c/sub"}));
}

TEST_F(SourceTree, TestsBenchesAndBuildFoldersAreNotTheProgram) {
    Write("lib/Lib.h", "#pragma once\n");
    Write("tests/LibTest.cpp", "#include \"Lib.h\"\n");
    Write("tests/Helper.h", "#pragma once\n");
    Write("lib/Lib.cpp", "#include \"Lib.h\"\n#include \"Helper.h\"\n#include \"Bench.h\"\n#include \"Old.h\"\n");
    Write("bench/Bench.h", "#include \"Lib.h\"\n");
    Write("build-old/src/Old.h", "#include \"Lib.h\"\n");
    const FolderGraph graph = Graph();
    EXPECT_EQ(graph.size(), 1u);
    EXPECT_TRUE(graph.at("lib").empty());
    EXPECT_TRUE(FolderCycles(graph).empty());
}
