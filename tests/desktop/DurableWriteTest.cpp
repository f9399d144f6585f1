#include "recognizer/Files.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
bool crashAtRename = false;
}

// The process dies here when asked to, as a power cut would stop it between
// writing the new file and putting it in place.
extern "C" int rename(const char* from, const char* to) {
    if (crashAtRename)
        raise(SIGKILL);
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

TEST(DurableWrite, ACrashBeforeRenameLosesNothingAndModesAreKept) {
    TemporaryFolder folder;
    const std::string path = folder.path() + "dessin.gst";
    const std::string before(100'000, 'a'), after(150'000, 'b');
    ASSERT_TRUE(writeFileAtomically(path, before).ok);

    const pid_t child = fork();
    if (child == 0) {
        crashAtRename = true;
        writeFileAtomically(path, after);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "no rename took place";

    std::string content;
    ASSERT_TRUE(readWholeFile(path, content).ok);
    EXPECT_EQ(content, before);
    // The only other file is the new one, written whole beside it.
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        if (const std::string other = entry.path().string(); other != path)
            others.push_back(other.starts_with(path) && readWholeFile(other, content).ok ? content
                                                                                         : other);
    EXPECT_EQ(others, std::vector<std::string>{after});

    // The mode of the file replaced is kept; a new file gets the usual mode.
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const mode_t mask = umask(022);
    ASSERT_TRUE(writeFileAtomically(path, "2").ok);
    ASSERT_TRUE(writeFileAtomically(folder.path() + "fresh", "3").ok);
    umask(mask);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    ASSERT_EQ(stat((folder.path() + "fresh").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}
