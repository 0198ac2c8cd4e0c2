#pragma once

// xclip, the other program on the desktop's clipboard in the tests: an independent X client that
// holds what it is given, as the kind of data it is told, until another program takes the
// clipboard; and that prints what the clipboard holds.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "ChildProcess.h"

namespace xclip {

// A file of the test's own, gone with it.
class TempFile {
public:
    explicit TempFile(const std::string& content = "") {
        char path[] = "/tmp/quarvel-clipboard-XXXXXX";
        const int fd = mkstemp(path);
        if (fd < 0) return;
        path_ = path;
        const bool written = write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
        close(fd);
        if (!written) path_.clear();
    }
    ~TempFile() {
        if (!path_.empty()) std::remove(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return path_; }
    std::string Content() const {
        std::ifstream in(path_);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string path_;
};

// xclip holding `content` on the clipboard as `kind`, from the moment the X server says so (the
// test waits for that) until another program takes the clipboard or this goes.
class Holder {
public:
    explicit Holder(const std::string& content, const std::string& kind = "UTF8_STRING")
        : file_(content),
          xclip_({"sh", "-c", "exec xclip -quiet -selection clipboard -t \"$1\" \"$0\" >/dev/null 2>&1", file_.Path(),
                  kind},
                 child_process::Environment()) {}

    bool Running() { return xclip_.Running(); }

private:
    TempFile file_;
    child_process::Child xclip_;
};

// What xclip pastes from the clipboard: empty where it holds no text. A test whose own program may
// hold the clipboard answers xclip in `pause`.
template <class Pause = void (*)()>
std::string Pasted(Pause pause = child_process::Sleep) {
    TempFile out;
    child_process::Child reader({"sh", "-c", "exec xclip -o -selection clipboard > \"$0\" 2>/dev/null", out.Path()},
                                child_process::Environment());
    reader.WaitForExit(std::chrono::milliseconds(10000), pause);
    return out.Content();
}

}  // namespace xclip
