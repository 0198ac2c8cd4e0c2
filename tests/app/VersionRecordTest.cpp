// The version record is read back from the built executable the way a tool would find it: by the
// name of its ELF section, without running the program.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Section {
    Elf64_Shdr header{};
    std::string bytes;
};

// Finds section `name` in the 64-bit ELF file at `path`.
Section ReadSection(const std::string& path, const std::string& name) {
    std::ifstream in(path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto copyAt = [&file](auto& out, std::size_t offset) {
        if (offset > file.size() || file.size() - offset < sizeof out) throw std::runtime_error("truncated ELF");
        std::memcpy(&out, file.data() + offset, sizeof out);
    };
    Elf64_Ehdr elf{};
    copyAt(elf, 0);
    if (std::memcmp(elf.e_ident, ELFMAG, SELFMAG) != 0 || elf.e_ident[EI_CLASS] != ELFCLASS64) {
        throw std::runtime_error(path + " is not a 64-bit ELF file");
    }
    auto header = [&](std::size_t index) {
        Elf64_Shdr h{};
        copyAt(h, elf.e_shoff + index * elf.e_shentsize);
        return h;
    };
    const Elf64_Shdr names = header(elf.e_shstrndx);
    for (std::size_t i = 0; i < elf.e_shnum; ++i) {
        const Elf64_Shdr h = header(i);
        const std::size_t nameAt = names.sh_offset + h.sh_name;
        if (nameAt >= file.size() || std::strncmp(file.data() + nameAt, name.c_str(), file.size() - nameAt) != 0) {
            continue;
        }
        if (h.sh_offset > file.size() || file.size() - h.sh_offset < h.sh_size) throw std::runtime_error("truncated section");
        return {h, file.substr(h.sh_offset, h.sh_size)};
    }
    throw std::runtime_error(path + " has no section " + name);
}

// Splits NUL-separated "Key=Value" strings.
std::map<std::string, std::string> Fields(const std::string& bytes) {
    std::map<std::string, std::string> fields;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        const std::string entry = bytes.substr(start, end - start);
        if (const auto eq = entry.find('='); eq != std::string::npos) {
            fields[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
        start = end + 1;
    }
    return fields;
}

const std::map<std::string, std::string> kExpected = {
    {"FileVersion", QUARVEL_PROJECT_VERSION},
    {"ProductVersion", "1.0.0.0"},
    {"FileDescription", "Quarvel"},
    {"ProductName", "Quarvel"},
};

TEST(VersionRecord, IsAnAllocatedReadOnlySectionOfTheExecutable) {
    const Section section = ReadSection(QUARVEL_EXECUTABLE, ".quarvel_version");
    EXPECT_EQ(section.header.sh_type, static_cast<Elf64_Word>(SHT_PROGBITS));
    EXPECT_TRUE(section.header.sh_flags & SHF_ALLOC) << "the record must be loaded with the program";
    EXPECT_FALSE(section.header.sh_flags & SHF_WRITE) << "the record must be read-only";
}

TEST(VersionRecord, CarriesTheVersionsTitleAndNotices) {
    const auto fields = Fields(ReadSection(QUARVEL_EXECUTABLE, ".quarvel_version").bytes);
    EXPECT_EQ(std::string(QUARVEL_PROJECT_VERSION), "1.1.1.1");
    for (const auto& [key, value] : kExpected) {
        ASSERT_TRUE(fields.count(key)) << key << " is missing";
        EXPECT_EQ(fields.at(key), value) << key;
    }
    for (const char* notice : {"CompanyName", "LegalCopyright", "Comments"}) {
        ASSERT_TRUE(fields.count(notice)) << notice << " is missing";
        EXPECT_FALSE(fields.at(notice).empty()) << notice;
    }
}

// readelf is what a person would use; its dump must show every field as written.
TEST(VersionRecord, ReadelfShowsIt) {
    const std::string command = std::string("readelf -p .quarvel_version '") + QUARVEL_EXECUTABLE + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string dump;
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) dump.append(buffer, n);
    for (const auto& [key, value] : kExpected) {
        EXPECT_NE(dump.find(key + "=" + value), std::string::npos) << key << " in:\n" << dump;
    }
}

}  // namespace
